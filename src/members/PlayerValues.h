#pragma once
// The values a loaded player brings into the chart.

#include <optional>
#include <string>

namespace ranvik {

// The marker the rating column gets when the player has no usable rating.
inline constexpr const char* kUnratedMarker = "unr.";

// A rating read from the membership table as it goes into the chart: unchanged when it reads
// as a whole number (leading blanks, a sign, decimal digits, or "$"/"0x" hexadecimal),
// otherwise (NULL and empty included) the unrated marker.
std::string RatingForChart(const std::optional<std::string>& rating);

} // namespace ranvik
