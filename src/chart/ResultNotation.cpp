#include "chart/ResultNotation.h"

#include <array>
#include <limits>
#include <string_view>

namespace ranvik {
namespace {

// A table, not a search of kResultCharacters: every character of every result cell of a
// chart is looked up when it is sorted or checked.
constexpr std::array<bool, 256> kIsResultCharacter = [] {
    std::array<bool, 256> table{};
    for (const char c : kResultCharacters)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();
bool IsResultCharacter(char c) {
    return kIsResultCharacter[static_cast<unsigned char>(c)];
}
bool IsUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNumberCharacter(char c) {
    return IsDigit(c) || c == '-' || c == '.';
}
bool StartsToken(char c) {
    return IsResultCharacter(c) || IsUpperAscii(c) || IsDigit(c) || c == '+' || c == '-' ||
           c == '=' || c == ',' || c == '.';
}

// Length in bytes of the UTF-8 character that starts with byte c.
std::size_t Utf8Length(unsigned char c) {
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        return 2;
    if ((c & 0xF0) == 0xE0)
        return 3;
    if ((c & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Reads one token starting at pos (which starts a token); returns it and moves pos past it.
std::string_view ReadToken(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    const char first = text[pos];
    if (IsResultCharacter(first)) {
        while (pos < text.size() && IsResultCharacter(text[pos]))
            ++pos;
    } else if (IsUpperAscii(first)) {
        while (pos < text.size() && (IsUpperAscii(text[pos]) || text[pos] == '+' ||
                                     text[pos] == '-' || text[pos] == '=')) {
            ++pos;
        }
    } else if (first == ',') {
        // ',' is not the decimal separator here: an empty token.
        ++pos;
        return {};
    } else {
        while (pos < text.size() && IsNumberCharacter(text[pos]))
            ++pos;
    }
    return text.substr(start, pos - start);
}

std::optional<std::int32_t> ReadDecimalDigits(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string NormaliseResultText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    return UpperAscii(text.substr(start));
}

std::string SecondResultToken(std::string_view text) {
    std::size_t pos = 0;
    for (int wanted = 1; wanted <= 2; ++wanted) {
        while (pos < text.size() && !StartsToken(text[pos]))
            ++pos;
        if (pos >= text.size())
            return {};
        std::string_view token = ReadToken(text, pos);
        if (wanted == 2)
            return std::string(token);
    }
    return {};
}

ParsedResult ParseResult(std::string_view text) {
    ParsedResult result{"L", 0, 0};
    const std::string norm = NormaliseResultText(text);
    if (norm.empty())
        return result;
    result.letter = norm.substr(0, Utf8Length(static_cast<unsigned char>(norm[0])));
    const char first = norm[0];
    if (std::string_view("+BGWX").find(first) != std::string_view::npos) {
        result.points = 2;
    } else if (std::string_view("=DEHZ").find(first) != std::string_view::npos) {
        result.points = 1;
    }
    if (first == 'B' || first == 'H' || first == 'U')
        return result;
    if (auto opponent = ReadDecimalDigits(SecondResultToken(norm)))
        result.opponent = *opponent;
    return result;
}

// Only the first character after the leading spaces counts; read it in place, since
// validation and the report ask this of every cell of a chart.
// Points by first character, looked up rather than switched on: results in a chart follow
// no pattern a branch predictor could learn, and a report reads two million of them.
constexpr std::array<unsigned char, 256> kRoundRobinPoints = [] {
    std::array<unsigned char, 256> table{};
    for (const char c : std::string_view("+1GWgw"))
        table[static_cast<unsigned char>(c)] = 2;
    for (const char c : std::string_view("=DEde"))
        table[static_cast<unsigned char>(c)] = 1;
    return table;
}();

int RoundRobinPoints(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    if (start == text.size())
        return 0;
    return kRoundRobinPoints[static_cast<unsigned char>(text[start])];
}

namespace {
enum class ResultClass { Win, Draw, Loss, Unchecked };
ResultClass ClassOf(std::string_view letter) {
    if (letter.size() != 1)
        return ResultClass::Unchecked;
    switch (letter[0]) {
    case 'W':
    case 'G':
    case '+':
        return ResultClass::Win;
    case 'D':
    case 'E':
    case '=':
        return ResultClass::Draw;
    case 'L':
    case 'P':
    case '-':
        return ResultClass::Loss;
    default:
        return ResultClass::Unchecked;
    }
}
} // namespace

bool ResultsInconsistent(std::string_view letter, std::string_view opponentLetter) {
    const ResultClass mine = ClassOf(letter);
    const ResultClass theirs = ClassOf(opponentLetter);
    switch (mine) {
    case ResultClass::Win:
        return theirs != ResultClass::Loss;
    case ResultClass::Loss:
        return theirs != ResultClass::Win;
    case ResultClass::Draw:
        return theirs != ResultClass::Draw;
    case ResultClass::Unchecked:
        return false;
    }
    return false;
}

std::string MirrorLetter(std::string_view letter) {
    if (letter.size() != 1)
        return " ";
    switch (letter[0]) {
    case 'W':
        return "L";
    case 'L':
        return "W";
    case 'G':
        return "P";
    case 'P':
        return "G";
    case '+':
        return "-";
    case '-':
        return "+";
    case 'D':
        return "D";
    case 'E':
        return "E";
    case '=':
        return "=";
    case 'X':
        return "F";
    case 'F':
        return "X";
    case 'Z':
        return "Z";
    default:
        return " ";
    }
}

bool IsValidMemberNumber(std::string_view text) {
    if (text.size() != 6)
        return false;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

namespace {
std::optional<std::int32_t> ReadSigned(std::string_view text, bool allowHex) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string_view rest = text.substr(pos);
    std::int64_t value = 0;
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    bool hex = false;
    if (allowHex && !rest.empty() && rest[0] == '$') {
        hex = true;
        rest.remove_prefix(1);
    } else if (allowHex && rest.size() >= 2 && rest[0] == '0' &&
               (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        rest.remove_prefix(2);
    }
    if (rest.empty())
        return std::nullopt;
    for (char c : rest) {
        int digit;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}
} // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text) {
    return ReadSigned(text, false);
}
std::optional<std::int32_t> ReadIntegerOrHex(std::string_view text) {
    return ReadSigned(text, true);
}

} // namespace ranvik
