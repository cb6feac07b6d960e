#include "files/ChartFile.h"

#include "chart/CellText.h"
#include "files/ChartText.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <vector>

namespace ranvik {
namespace {

// The widest chart: a double round robin of the most players.
constexpr int MaxFields = ChartColumn::FirstResult + 2 * Tournament::MaxPlayers;

// Lines of the text: a line ends at CR LF, a lone CR or a lone LF; the last needs no end.
// Only the first maxKept lines are kept, so a file of millions of line ends costs nothing;
// total counts them all.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxKept,
                                         std::size_t& total) {
    std::vector<std::string_view> lines;
    total = 0;
    auto add = [&](std::string_view line) {
        if (++total <= maxKept)
            lines.push_back(line);
    };
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c != '\r' && c != '\n') {
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

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string UnreadableReason(std::size_t lines, int fields, bool swiss) {
    if (lines == 0)
        return "The file is empty: it holds no player lines.";
    if (lines > static_cast<std::size_t>(Tournament::MaxPlayers)) {
        return "The file has " + std::to_string(lines) + " lines, but a chart holds at most " +
               std::to_string(Tournament::MaxPlayers) + " players.";
    }
    if (fields > MaxFields) {
        return "The first line has " + std::to_string(fields) +
               " fields, but the widest chart has " + std::to_string(MaxFields) + " columns.";
    }
    const int maxFields = ChartColumn::FirstResult + Tournament::MaxRounds;
    if (swiss && fields > maxFields) {
        return "The first line has " + std::to_string(fields) +
               " fields, but a Swiss or match chart holds at most " +
               std::to_string(Tournament::MaxRounds) + " rounds (" + std::to_string(maxFields) +
               " columns).";
    }
    return {};
}

// The first field of the kept lines that no cell may hold, as "Line 3 column 1 holds ...".
std::string CellFault(const std::vector<std::string_view>& lines) {
    for (std::size_t r = 0; r < lines.size(); ++r) {
        std::string_view rest = lines[r];
        for (int col = 0; !rest.empty(); ++col) {
            const std::size_t tab = rest.find('\t');
            const std::string fault = CellTextFault(rest.substr(0, tab));
            if (!fault.empty())
                return "Line " + std::to_string(r + 1) + " column " + std::to_string(col) + " " +
                       fault + ".";
            rest.remove_prefix(tab == std::string_view::npos ? rest.size() : tab + 1);
        }
    }
    return {};
}

void FillCells(Chart& chart, const std::vector<std::string_view>& lines) {
    const int lastRow = chart.rowCount() - 1;
    const int lastCol = chart.colCount() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        // A row the file has no line for (a one-line file read as two players) is emptied
        // like a blank line would empty it, so no earlier player shows through.
        const std::string_view line =
            r <= static_cast<int>(lines.size()) ? lines[r - 1] : std::string_view{};
        chart.setRowFieldsQuietly(r, lastCol, line, '\t');
    }
    chart.notifyCellsChanged(0, 1, lastCol, lastRow);
}

} // namespace

ChartBytes EncodeChartFile(const Chart& chart) {
    ChartBytes out;
    const int lastRow = chart.rowCount() - 1;
    const int cols = chart.colCount();
    if (lastRow > 0)
        out.bytes.reserve(static_cast<std::size_t>(lastRow) *
                          (static_cast<std::size_t>(cols) * 3 + 40));
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 0; c < cols; ++c) {
            const std::string_view text = chart.cell(c, r);
            // ASCII is its own encoding; only the rare accented cell goes through the codec.
            if (IsAscii(text)) {
                out.bytes += text;
            } else if (const std::optional<std::string> bytes = EncodeWindows1252(text)) {
                out.bytes += *bytes;
            } else {
                out.bytes.clear();
                out.message = "Line " + std::to_string(r) + " column " + std::to_string(c) +
                              " holds a character that cannot be saved in a chart file.";
                return out;
            }
            out.bytes += '\t';
        }
        out.bytes += "\r\n";
    }
    out.ok = true;
    return out;
}

ChartReadOutcome ReadChartFile(Tournament& tournament, std::string_view bytes) {
    ChartReadOutcome outcome;
    const ChartText decoded = DecodeChartText(bytes);
    if (!decoded.ok) {
        outcome.message = decoded.message;
        return outcome;
    }
    // An old editor's end-of-file mark ends the text; anywhere else it is refused below.
    std::string_view text = decoded.text;
    while (!text.empty() && text.back() == '\x1A')
        text.remove_suffix(1);
    std::size_t lineCount = 0;
    const std::vector<std::string_view> lines =
        SplitLines(text, Tournament::MaxPlayers + 1, lineCount);
    const int fields = lines.empty() ? 0 : CountFields(lines.front());

    outcome.message = UnreadableReason(lineCount, fields, tournament.isSwiss());
    if (outcome.message.empty())
        outcome.message = CellFault(lines);
    if (!outcome.message.empty())
        return outcome;

    // The sizes the counts will take, so that a count the spin box leaves unchanged (a
    // one-line file, a Swiss line of fewer than 5 fields) still agrees with the chart.
    const int players =
        std::clamp(static_cast<int>(lineCount), Tournament::MinPlayers, Tournament::MaxPlayers);
    const int rounds =
        std::clamp(fields - ChartColumn::FirstResult, Tournament::MinRounds, Tournament::MaxRounds);
    Chart& chart = tournament.chart();
    // A read replaces the whole chart: its history starts afresh, and recording a million
    // cells on the way would only be thrown away.
    chart.history().pause(true);
    chart.setRowCount(players + 1);
    chart.setColCount(tournament.isSwiss() ? rounds + ChartColumn::FirstResult : fields);

    // Every visible cell is filled from the file next, so the layout's own-cell marks
    // would only be overwritten.
    tournament.setPlayersForFileLoad(players);
    if (tournament.isSwiss())
        tournament.setNumRounds(rounds);

    FillCells(chart, lines);
    chart.history().pause(false);
    tournament.forgetHistory();
    tournament.setModified(false);
    outcome.ok = true;
    return outcome;
}

} // namespace ranvik
