#pragma once
// How the program reads a result cell. Cells are UTF-8 text; only the ASCII
// letters a-z are ever upper-cased.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

// Points are half points: 2 win, 1 draw, 0 loss or nothing.
struct ParsedResult {
    std::string letter; // the cell's first character (one UTF-8 character), upper-cased
    int points = 0;
    int opponent = 0; // row number of the opponent, 0 when none
};

// The eighteen characters that make up a result token.
inline constexpr std::string_view kResultCharacters = "BHUXFZLDWPEG#$%-=+";

// The text with a-z upper-cased, every other byte as it was.
std::string UpperAscii(std::string_view text);

// Removes leading spaces and upper-cases a-z.
std::string NormaliseResultText(std::string_view text);

// Swiss/Match cell -> letter, points, opponent row.
ParsedResult ParseResult(std::string_view text);

// Round robin cell -> points.
int RoundRobinPoints(std::string_view text);

// True when a player's letter and the opponent's letter of the same game disagree.
bool ResultsInconsistent(std::string_view letter, std::string_view opponentLetter);

// The letter written into the opponent's cell; " " for letters without a mirror.
std::string MirrorLetter(std::string_view letter);

// Exactly six characters, each a decimal digit.
bool IsValidMemberNumber(std::string_view text);

// Leading spaces, an optional sign and decimal digits, nothing after, within 32 bits.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// As ReadInteger, but also the hexadecimal forms "$7D0" and "0x7D0" (a rating copied
// from the membership database counts as a whole number in either form).
std::optional<std::int32_t> ReadIntegerOrHex(std::string_view text);

// The second token of a normalised result text (the opponent), or empty when none.
std::string SecondResultToken(std::string_view normalised);

} // namespace ranvik
