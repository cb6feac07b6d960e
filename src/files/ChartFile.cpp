#include "files/ChartFile.h"

#include "chart/CellText.h"
#include "files/ChartText.h"
#include "files/NearestSpelling.h"
#include "files/Utf8.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace ranvik {
namespace {

// The widest chart: a double round robin of the most players.
constexpr int MaxFields = ChartColumn::FirstResult + 2 * Tournament::MaxPlayers;

// A line of the file's bytes, and whether any of them lies beyond ASCII (and so may need
// decoding).
struct Line {
    std::string_view bytes;
    bool ascii = true;
};

// Whether a word of eight bytes holds a CR or an LF.
bool HoldsLineEnd(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    const auto holdsZero = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighBits) != 0; };
    return holdsZero(word ^ (kOnes * '\r')) || holdsZero(word ^ (kOnes * '\n'));
}

// Lines of the text: a line ends at CR LF, a lone CR or a lone LF; the last needs no end.
// Only the first maxKept lines are kept, so a file of millions of line ends costs nothing;
// total counts them all. Line ends are the same bytes in every encoding a chart file has.
// The bytes between line ends are passed over eight at a time.
std::vector<Line> SplitLines(std::string_view text, std::size_t maxKept, std::size_t& total) {
    std::vector<Line> lines;
    total = 0;
    std::uint64_t high = 0; // the bytes of the line so far, or-ed
    auto add = [&](std::string_view line) {
        if (++total <= maxKept)
            lines.push_back({line, (high & 0x8080808080808080U) == 0});
        high = 0;
    };
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (std::uint64_t word = 0; pos + sizeof word <= text.size()) {
            std::memcpy(&word, text.data() + pos, sizeof word);
            if (!HoldsLineEnd(word)) {
                high |= word;
                pos += sizeof word;
                continue;
            }
        }
        const char c = text[pos];
        if (c != '\r' && c != '\n') {
            high |= static_cast<unsigned char>(c);
            ++pos;
            continue;
        }
        add(text.substr(start, pos - start));
        pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        start = pos;
    }
    if (start < text.size())
        add(text.substr(start));
    return lines;
}

int CountFields(std::string_view line) {
    const auto tabs = static_cast<int>(std::count(line.begin(), line.end(), '\t'));
    return tabs + ((!line.empty() && line.back() != '\t') ? 1 : 0);
}

// Field `index` (from 0) of a line; empty beyond its end.
std::string_view FieldOf(std::string_view line, int index) {
    for (int k = 0; k < index; ++k) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return {};
        line.remove_prefix(tab + 1);
    }
    return line.substr(0, line.find('\t'));
}

// "0141" for Ł: the code point as Unicode charts name it, at least four hex digits.
std::string CodePointText(std::string_view character) {
    std::size_t pos = 0;
    const char32_t cp = NextCodePoint(character, pos).value_or(U'\uFFFD');
    char digits[8] = {};
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(cp), 16);
    std::string text(digits, end.ptr);
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

// The bytes or-ed eight at a time: a loop the compiler turns into wide instructions.
bool IsAscii(std::string_view text) {
    std::uint64_t high = 0;
    std::size_t at = 0;
    for (std::uint64_t word = 0; at + sizeof word <= text.size(); at += sizeof word) {
        std::memcpy(&word, text.data() + at, sizeof word);
        high |= word;
    }
    for (; at < text.size(); ++at)
        high |= static_cast<unsigned char>(text[at]);
    return (high & 0x8080808080808080U) == 0;
}

Message UnreadableReason(std::size_t lines, int fields, bool swiss) {
    if (lines == 0)
        return Message(MessageKind::ChartFileEmpty);
    if (lines > static_cast<std::size_t>(Tournament::MaxPlayers))
        return Message(MessageKind::ChartFileTooManyLines, {lines, Tournament::MaxPlayers});
    if (fields > MaxFields)
        return Message(MessageKind::ChartFileTooManyFields, {fields, MaxFields});
    const int maxFields = ChartColumn::FirstResult + Tournament::MaxRounds;
    if (swiss && fields > maxFields) {
        return Message(MessageKind::ChartFileTooManyRounds,
                       {fields, Tournament::MaxRounds, maxFields});
    }
    return {};
}

// The first field of the kept lines that no cell may hold, as "Line 3 column 1 holds ...".
Message CellFault(const std::vector<Line>& lines, bool utf8) {
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const std::string decoded = utf8 || lines[r].ascii ? std::string(lines[r].bytes)
                                                           : DecodeWindows1252(lines[r].bytes);
        std::string_view rest = decoded;
        for (int col = 0; !rest.empty(); ++col) {
            const std::size_t tab = rest.find('\t');
            if (Message fault = CellTextRefusal(rest.substr(0, tab)); !fault.empty())
                return Message(MessageKind::CellFaultAt, {r + 1, col, std::move(fault)});
            rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
        }
    }
    return {};
}

// Each line is decoded on its own, when it needs it: no copy of the whole file is made.
void FillCells(Chart& chart, const std::vector<Line>& lines, bool utf8) {
    const int lastRow = chart.rowCount() - 1;
    const int lastCol = chart.colCount() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        // A row the file has no line for (a one-line file read as two players) is emptied
        // like a blank line would empty it, so no earlier player shows through.
        const Line line = r <= static_cast<int>(lines.size()) ? lines[r - 1] : Line{};
        if (utf8 || line.ascii) {
            chart.setRowFieldsQuietly(r, lastCol, line.bytes, '\t');
        } else {
            chart.setRowFieldsQuietly(r, lastCol, DecodeWindows1252(line.bytes), '\t');
        }
    }
    chart.notifyCellsChanged(0, 1, lastCol, lastRow);
}

} // namespace

ChartBytes EncodeChartFile(const Chart& chart) {
    ChartBytes out;
    std::string& bytes = out.bytes;
    const int lastRow = chart.rowCount() - 1;
    const int cols = chart.colCount();
    if (lastRow > 0)
        bytes.reserve(static_cast<std::size_t>(lastRow) *
                      (static_cast<std::size_t>(cols) * 3 + 40));
    for (int r = 1; r <= lastRow; ++r) {
        const std::size_t start = bytes.size();
        chart.appendRowText(r, cols, '\t', bytes);
        // ASCII is its own encoding; a line with anything else goes through the codec whole.
        const std::string_view line = std::string_view(bytes).substr(start);
        if (!IsAscii(line)) {
            const std::optional<std::string> encoded = EncodeWindows1252(line);
            if (!encoded) {
                bytes.clear();
                out.row = r;
                while (out.col < cols && UnsavableCellMessage(chart, out.col, r).empty())
                    ++out.col;
                out.message = UnsavableCellMessage(chart, out.col, r);
                return out;
            }
            bytes.replace(start, std::string::npos, *encoded);
        }
        bytes += "\r\n";
    }
    out.ok = true;
    return out;
}

Message UnsavableCellMessage(const Chart& chart, int col, int row) {
    const std::vector<std::string> lost = CharactersChartCannotHold(chart.cell(col, row));
    if (lost.empty())
        return {};
    return Message(MessageKind::UnsavableCharacter,
                   {row, col, chart.cell(col, 0), lost.front(), CodePointText(lost.front())});
}

ChartReadOutcome ReadChartFile(Tournament& tournament, std::string_view bytes) {
    return ReadChartFileAs(tournament, bytes, tournament.type());
}

ChartReadOutcome ReadChartFileAs(Tournament& tournament, std::string_view bytes,
                                 TournamentType type) {
    ChartReadOutcome outcome;
    const ChartEncoding encoding = FindChartEncoding(bytes);
    if (!encoding.ok) {
        outcome.message = encoding.message;
        return outcome;
    }
    // An old editor's end-of-file mark ends the text; anywhere else it is refused below.
    std::string_view text = bytes.substr(encoding.markSize);
    while (!text.empty() && text.back() == '\x1A')
        text.remove_suffix(1);
    std::size_t lineCount = 0;
    const std::vector<Line> lines = SplitLines(text, Tournament::MaxPlayers + 1, lineCount);
    const int fields = lines.empty() ? 0 : CountFields(lines.front().bytes);

    const bool byRounds = RulesFor(type).columnsAreRounds();
    outcome.message = UnreadableReason(lineCount, fields, byRounds);
    if (outcome.message.empty() && !encoding.plainFields)
        outcome.message = CellFault(lines, encoding.utf8);
    if (!outcome.message.empty())
        return outcome;
    tournament.setType(type);

    // The sizes the counts will take, so that a count left unchanged by its range (a
    // one-line file, a Swiss line of fewer than 5 fields) still agrees with the chart.
    const int players =
        std::clamp(static_cast<int>(lineCount), Tournament::MinPlayers, Tournament::MaxPlayers);
    const int rounds =
        std::clamp(fields - ChartColumn::FirstResult, Tournament::MinRounds, Tournament::MaxRounds);
    Chart& chart = tournament.chart();
    // A read replaces the whole chart: its history starts afresh, and recording a million
    // cells on the way would only be thrown away.
    {
        const ChartHistory::Paused unrecorded(chart.history());
        chart.setRowCount(players + 1);
        chart.setColCount(byRounds ? rounds + ChartColumn::FirstResult : fields);

        // Every visible cell is filled from the file next, so the layout's own-cell marks
        // would only be overwritten.
        tournament.setPlayersForFileLoad(players);
        if (byRounds)
            tournament.setNumRounds(rounds);

        FillCells(chart, lines, encoding.utf8);
    }
    tournament.forgetHistory();
    tournament.setModified(false);
    outcome.ok = true;
    return outcome;
}

TournamentType SuggestedChartType(std::string_view bytes) {
    // Only the first line is needed, decoded alone: the whole file is not copied for it.
    const ChartEncoding encoding = FindChartEncoding(bytes);
    std::size_t lineCount = 0;
    const std::vector<Line> found = encoding.ok
                                        ? SplitLines(bytes.substr(encoding.markSize), 1, lineCount)
                                        : std::vector<Line>{};
    std::vector<std::string> lines;
    lines.reserve(found.size());
    for (const Line& line : found)
        lines.push_back(encoding.utf8 || line.ascii ? std::string(line.bytes)
                                                    : DecodeWindows1252(line.bytes));
    if (lines.empty())
        return TournamentType::Swiss;
    const long long results = CountFields(lines.front()) - ChartColumn::FirstResult;
    // Line 1 meets itself in its first result cells.
    const auto ownCellsFree = [&lines](int perOpponent) {
        for (int k = 0; k < perOpponent; ++k) {
            const std::string_view own = FieldOf(lines.front(), ChartColumn::FirstResult + k);
            if (!own.empty() && own != "X")
                return false;
        }
        return true;
    };
    const auto players = static_cast<long long>(lineCount);
    if (results == players && ownCellsFree(1))
        return TournamentType::RoundRobin;
    if (results == 2 * players && ownCellsFree(2))
        return TournamentType::DoubleRoundRobin;
    return TournamentType::Swiss;
}

} // namespace ranvik
