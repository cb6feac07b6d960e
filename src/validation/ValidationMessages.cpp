#include "validation/Validation.h"

#include "messages/Message.h"

namespace ranvik {

Message ValidationMessage(ValidationFault fault) {
    switch (fault) {
    case ValidationFault::None:
        return Message(MessageKind::None);
    case ValidationFault::InvalidResult:
        return Message(MessageKind::InvalidResult);
    case ValidationFault::MissingName:
        return Message(MessageKind::MissingName);
    case ValidationFault::InvalidRating:
        return Message(MessageKind::InvalidRating);
    case ValidationFault::PairedAgainstSelf:
        return Message(MessageKind::PairedAgainstSelf);
    case ValidationFault::OwnCellNotX:
        return Message(MessageKind::OwnCellNotX);
    case ValidationFault::InconsistentOpponents:
        return Message(MessageKind::InconsistentOpponents);
    case ValidationFault::InconsistentResults:
        return Message(MessageKind::InconsistentResults);
    }
    return {};
}

Message FaultText(const ValidationResult& result, const ChartRules& rules) {
    return Message(MessageKind::FaultAtCell,
                   {ValidationMessage(result.fault), CellPlace(rules, result.row, result.col)});
}

} // namespace ranvik
