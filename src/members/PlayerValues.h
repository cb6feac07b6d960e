#pragma once
// The values a loaded player brings into the chart.

#include "messages/Message.h"

#include <optional>
#include <string>

namespace ranvik {

// The marker the rating column gets when the player has no usable rating.
inline constexpr const char* kUnratedMarker = "unr.";

// A rating read from the membership table as it goes into the chart: unchanged when it reads
// as a whole number (leading blanks, a sign, decimal digits, or "$"/"0x" hexadecimal),
// otherwise (NULL and empty included) the unrated marker.
std::string RatingForChart(const std::optional<std::string>& rating);

// A member's name, number and rating as the chart's cells take them (NULL as empty, the
// rating as RatingForChart gives it). Control characters in the name become spaces. A value
// no cell may hold (a control character in the number, more than a cell's characters) is
// not taken: `refusal` then says which and why.
struct MemberCells {
    std::string name;
    std::string number;
    std::string rating;
    bool nameHadControls = false;
    Message refusal; // e.g. "the member's NUMBER holds a control character (U+0000)"
};
MemberCells MemberCellsOf(const std::optional<std::string>& name,
                          const std::optional<std::string>& number,
                          const std::optional<std::string>& rating);

} // namespace ranvik
