#include "members/PlayerValues.h"

#include "chart/ResultNotation.h"

namespace ranvik {

std::string RatingForChart(const std::optional<std::string>& rating) {
    if (rating && ReadIntegerOrHex(*rating))
        return *rating;
    return kUnratedMarker;
}

} // namespace ranvik
