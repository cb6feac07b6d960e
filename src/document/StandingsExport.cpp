#include "document/StandingsExport.h"

#include "document/ChartDocument.h"

#include "files/FileWriter.h"

namespace ranvik {

StandingsExport::StandingsExport(ChartDocument& document, DocumentPrompts& prompts)
    : document_(document), prompts_(prompts) {}

bool StandingsExport::validate() {
    const ValidationResult fault = document_.validate();
    if (IsCellFault(fault.fault)) {
        prompts_.showCell(fault.col, fault.row);
        prompts_.showError(FaultText(fault, document_.tournament().rules()));
    }
    // A cancelled inconsistency question was the user's answer: nothing more to say.
    return fault.passed();
}

SaveResult StandingsExport::write(const std::string& path, const std::string& bytes) {
    SaveResult result;
    result.path = path;
    if (Message reason; !WriteFileSafely(path, bytes, reason)) {
        result.outcome = Outcome::Failed;
        result.message = SavingError(path, reason);
        result.reason = reason;
        prompts_.showError(result.message);
    }
    return result;
}

} // namespace ranvik
