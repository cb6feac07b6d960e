#include "members/PlayerValues.h"

#include "chart/CellText.h"
#include "chart/ResultNotation.h"

#include <utility>

namespace ranvik {

std::string RatingForChart(const std::optional<std::string>& rating) {
    if (rating && ReadIntegerOrHex(*rating))
        return *rating;
    return kUnratedMarker;
}

MemberCells MemberCellsOf(const std::optional<std::string>& name,
                          const std::optional<std::string>& number,
                          const std::optional<std::string>& rating) {
    MemberCells cells;
    cells.name = name.value_or("");
    cells.nameHadControls = ControlBytesToSpaces(cells.name);
    cells.number = number.value_or("");
    cells.rating = RatingForChart(rating);
    using Field = std::pair<const char*, const std::string*>;
    for (const auto& [field, text] : {Field{"NAME", &cells.name}, Field{"NUMBER", &cells.number},
                                      Field{"rating", &cells.rating}}) {
        if (std::string fault = CellTextFault(*text); !fault.empty()) {
            cells.refusal = std::string("the member's ") + field + " " + fault;
            break;
        }
    }
    return cells;
}

} // namespace ranvik
