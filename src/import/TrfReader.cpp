#include "import/TrfReader.h"

#include "chart/CellText.h"
#include "chart/Tournament.h"
#include "files/ChartText.h"
#include "files/Utf8.h"
#include "files/Windows1252.h"

namespace ranvik {

namespace {

// Player line columns, counted from 1 as the format describes them.
constexpr std::size_t kStartNumberCol = 5, kStartNumberWidth = 4;
constexpr std::size_t kNameCol = 15, kNameWidth = 33;
constexpr std::size_t kRatingCol = 49, kRatingWidth = 4;
constexpr std::size_t kPointsCol = 81, kPointsWidth = 4;
constexpr std::size_t kFirstRoundCol = 92, kRoundWidth = 10;
// Beyond any chart (1000 players meet at most 1998 times in a double round robin): a
// longer line is hostile, not a tournament.
constexpr std::size_t kMaxRoundsOnLine = 2 * 1000;
// Such a line is about 20,100 characters; a report of 1000 players about 1,030 lines.
constexpr std::size_t kMaxLineBytes = 65536;
constexpr std::size_t kMaxLines = 10000;

std::u32string_view Columns(std::u32string_view line, std::size_t col, std::size_t width) {
    if (col - 1 >= line.size())
        return {};
    return line.substr(col - 1, width);
}

std::u32string_view Trim(std::u32string_view text) {
    while (!text.empty() && (text.front() == U' ' || text.front() == U'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\t'))
        text.remove_suffix(1);
    return text;
}

std::string Text(std::u32string_view text) {
    return EncodeUtf8(Trim(text));
}

// A name as a cell holds it: control characters become spaces (the import says so).
std::string NameText(std::u32string_view text, bool& hadControls) {
    std::u32string name(text);
    hadControls = false;
    for (char32_t& c : name) {
        if (c < 0x20) {
            c = U' ';
            hadControls = true;
        }
    }
    return Text(name);
}

// The characters as a message shows them: control characters by their code.
std::string Shown(std::u32string_view text) {
    std::string shown;
    for (const char32_t c : text)
        shown += ShownCharacter(c);
    return shown;
}

// A whole number of at most 9 digits; nullopt for anything else.
std::optional<int> ReadNumber(std::u32string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char32_t c : text) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

// "3.5", "3,5", "3" or "3.0" as half points.
std::optional<int> ReadPoints(std::u32string_view text) {
    text = Trim(text);
    const std::size_t mark = text.find_first_of(U".,");
    const auto whole = ReadNumber(text.substr(0, mark));
    if (!whole)
        return std::nullopt;
    if (mark == std::u32string_view::npos)
        return *whole * 2;
    const std::u32string_view fraction = text.substr(mark + 1);
    if (fraction == U"5" || fraction == U"50")
        return *whole * 2 + 1;
    if (fraction.empty() || fraction.find_first_not_of(U'0') == std::u32string_view::npos)
        return *whole * 2;
    return std::nullopt;
}

// The lines of the bytes one at a time (CR LF, LF or a lone CR end one), so a file of
// millions of line ends costs no memory.
class LineCursor {
  public:
    explicit LineCursor(std::string_view bytes) : rest_(bytes) {}
    bool next(std::string_view& line) {
        if (rest_.empty())
            return false;
        const std::size_t end = rest_.find_first_of("\r\n");
        line = rest_.substr(0, end);
        std::size_t skip = end == std::string_view::npos ? rest_.size() : end + 1;
        if (end != std::string_view::npos && rest_[end] == '\r' && skip < rest_.size() &&
            rest_[skip] == '\n')
            ++skip;
        rest_.remove_prefix(skip);
        return true;
    }

  private:
    std::string_view rest_;
};

bool IsUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (!NextCodePoint(bytes, pos))
            return false;
    }
    return true;
}

std::u32string DecodeLine(std::string_view line, bool utf8) {
    if (utf8)
        return DecodeUtf8(line).value_or(std::u32string());
    return DecodeUtf8(DecodeWindows1252(line)).value_or(std::u32string());
}

Message RoundColumns(std::size_t round) {
    const std::size_t first = kFirstRoundCol + (round - 1) * kRoundWidth;
    return Message(MessageKind::ImportRoundColumns, {round, first, first + 7});
}

// One round's block: opponent (4), blank, colour, blank, result.
bool ReadGame(std::u32string_view block, std::size_t round, TrfGame& game, Message& error) {
    const std::u32string_view opponent = Trim(block.substr(0, 4));
    if (!opponent.empty()) {
        const auto number = ReadNumber(opponent);
        if (!number) {
            error = Message(MessageKind::ImportOpponentUnreadable,
                            {RoundColumns(round), Shown(opponent)});
            return false;
        }
        game.opponent = *number;
    }
    const char32_t colour = block.size() > 5 ? block[5] : U' ';
    const char32_t result = block.size() > 7 ? block[7] : U' ';
    if (colour != U' ' && colour != U'w' && colour != U'b' && colour != U'-' && colour != U'W' &&
        colour != U'B') {
        error = Message(MessageKind::ImportColourUnknown,
                        {RoundColumns(round), ShownCharacter(colour)});
        return false;
    }
    if (result != U' ' && kTrfResultCodes.find(static_cast<char>(result < 0x80 ? result : 0)) ==
                              std::string_view::npos) {
        error = Message(MessageKind::ImportResultUnknown,
                        {RoundColumns(round), ShownCharacter(result)});
        return false;
    }
    game.colour = static_cast<char>(colour);
    game.result = static_cast<char>(result);
    return true;
}

bool ReadPlayer(std::u32string_view line, TrfPlayer& player, Message& error) {
    const auto start = ReadNumber(Columns(line, kStartNumberCol, kStartNumberWidth));
    if (!start || *start == 0) {
        error = Message(MessageKind::ImportStartNumberUnreadable);
        return false;
    }
    player.startNumber = *start;
    player.name = NameText(Columns(line, kNameCol, kNameWidth), player.nameHadControls);
    player.rating = Text(Columns(line, kRatingCol, kRatingWidth));
    if (const std::size_t at = FirstControlByte(player.rating); at != std::string::npos) {
        error = Message(MessageKind::ImportRatingControl,
                        {ShownCharacter(static_cast<unsigned char>(player.rating[at]))});
        return false;
    }
    player.points = ReadPoints(Columns(line, kPointsCol, kPointsWidth));
    std::size_t lastPaired = 0;
    for (std::size_t round = 1;; ++round) {
        const std::size_t col = kFirstRoundCol + (round - 1) * kRoundWidth;
        if (col - 1 >= line.size())
            break;
        if (round > kMaxRoundsOnLine) {
            error = Message(MessageKind::ImportLineTooManyRounds, {kMaxRoundsOnLine});
            return false;
        }
        TrfGame game;
        if (!ReadGame(Columns(line, col, 8), round, game, error))
            return false;
        player.games.push_back(game);
        if (game.opponent != 0 || game.result != ' ')
            lastPaired = round;
    }
    player.games.resize(lastPaired);
    return true;
}

} // namespace

TrfReadOutcome ReadTrf(std::string_view bytes) {
    TrfReadOutcome outcome;
    if (bytes.size() > MaxTrfFileBytes) {
        outcome.refusal = {
            0, Message(MessageKind::ImportFileTooLarge, {MaxTrfFileBytes / (1024 * 1024)})};
        return outcome;
    }
    if (LooksLikeUtf16(bytes)) {
        outcome.refusal = {0, Message(MessageKind::ChartFileUtf16)}; // the same words
        return outcome;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    TrfFile file;
    file.utf8 = IsUtf8(bytes);
    LineCursor lines(bytes);
    int lineNumber = 0;
    for (std::string_view raw; lines.next(raw);) {
        if (++lineNumber > static_cast<int>(kMaxLines)) {
            outcome.refusal = {lineNumber, Message(MessageKind::ImportTooManyLines,
                                                   {kMaxLines, Tournament::MaxPlayers})};
            return outcome;
        }
        if (raw.size() > kMaxLineBytes) {
            outcome.refusal = {lineNumber,
                               Message(MessageKind::ImportLineTooLong, {kMaxLineBytes})};
            return outcome;
        }
        // The tags are ASCII, the same in both encodings; only the lines used are decoded.
        const std::string_view tag = raw.substr(0, 3);
        if (tag != "001" && tag != "012" && tag != "042" && tag != "052" && tag != "XXR")
            continue;
        const std::u32string decoded = DecodeLine(raw, file.utf8);
        const std::u32string_view line = decoded;
        if (tag == "001") {
            if (file.players.size() == static_cast<std::size_t>(Tournament::MaxPlayers)) {
                outcome.refusal = {lineNumber,
                                   Message(MessageKind::ImportTooManyPlayers,
                                           {Tournament::MaxPlayers, Tournament::MaxPlayers})};
                return outcome;
            }
            TrfPlayer player;
            player.line = lineNumber;
            Message error;
            if (!ReadPlayer(line, player, error)) {
                outcome.refusal = {lineNumber, error};
                return outcome;
            }
            file.players.push_back(std::move(player));
        } else if (tag == "012") {
            bool ignored = false;
            file.tournamentName = NameText(line.substr(3), ignored);
        } else if (tag == "042") {
            file.startDate = Shown(Trim(line.substr(3)));
        } else if (tag == "052") {
            file.endDate = Shown(Trim(line.substr(3)));
        } else {
            file.plannedRounds = ReadNumber(line.substr(3)).value_or(0);
        }
    }
    if (file.players.empty()) {
        outcome.refusal = {0, Message(MessageKind::ImportNoPlayerLine)};
        return outcome;
    }
    outcome.file = std::move(file);
    return outcome;
}

} // namespace ranvik
