// The document's part of the standings: the chart checked first, the exports written.

#include "document/ChartDocument.h"

#include "files/FileWriter.h"

namespace ranvik {

bool ChartDocument::validateForStandings() {
    const ValidationResult fault = validate();
    if (IsCellFault(fault.fault)) {
        prompts_.showCell(fault.col, fault.row);
        prompts_.showError(FaultText(fault, tournament_.rules()));
    }
    // A cancelled inconsistency question was the user's answer: nothing more to say.
    return fault.passed();
}

SaveResult ChartDocument::writeStandings(const std::string& path, const std::string& bytes) {
    SaveResult result;
    result.path = path;
    if (std::string reason; !WriteFileSafely(path, bytes, reason)) {
        result.outcome = Outcome::Failed;
        result.message = "Error saving " + path + ".\r" + reason;
        result.reason = reason;
        prompts_.showError(result.message);
    }
    return result;
}

} // namespace ranvik
