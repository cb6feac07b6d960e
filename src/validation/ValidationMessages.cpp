#include "validation/Validation.h"

namespace ranvik {

std::string_view ValidationMessage(ValidationFault fault) {
    switch (fault) {
    case ValidationFault::None:
        return "";
    case ValidationFault::InvalidResult:
        return "Invalid result or opponent, or incorrect tournament type.";
    case ValidationFault::MissingName:
        return "Missing name.";
    case ValidationFault::InvalidRating:
        return "Invalid rating.";
    case ValidationFault::PairedAgainstSelf:
        return "Player paired against self.";
    case ValidationFault::OwnCellNotX:
        return "Entry must be \"X\" here for round robin tournament type.";
    case ValidationFault::InconsistentOpponents:
        return "Inconsistent opponents.";
    case ValidationFault::InconsistentResults:
        return "Inconsistent results.";
    }
    return "";
}

std::string FaultText(const ValidationResult& result, const ChartRules& rules) {
    return std::string(ValidationMessage(result.fault)) + " " +
           CellPlace(rules, result.row, result.col) + ".";
}

} // namespace ranvik
