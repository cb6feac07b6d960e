// Arbitrary text read as a result cell, a rating and a number by the notation's rules.

#include "FuzzTarget.h"

#include "chart/ResultNotation.h"
#include "validation/Validation.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

RANVIK_FUZZ_TARGET(result_notation) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedResult parsed = ParseResult(text);
    const int points = RoundRobinPoints(text);
    if (parsed.points < 0 || parsed.points > 2 || points < 0 || points > 2 || parsed.opponent < 0)
        std::abort(); // points are 0, 1 or 2 half points; rows are never negative
    MirrorLetter(parsed.letter);
    // The text split in two: a player's and the opponent's letter.
    const std::size_t half = size / 2;
    ResultsInconsistent(text.substr(0, half), text.substr(half));
    SecondResultToken(NormaliseResultText(text));
    IsValidMemberNumber(text);
    IsValidRating(text);
    ReadInteger(text);
    ReadIntegerOrHex(text);
    return 0;
}
