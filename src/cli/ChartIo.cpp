#include "cli/ChartIo.h"

#include "files/FileWriter.h"

#include <ostream>

namespace ranvik::cli {

bool OpenChart(ChartDocument& document, const std::string& path, TournamentType type,
               std::ostream& err) {
    document.start();
    const OpenResult opened = document.openFile(path, type);
    if (opened.outcome == Outcome::Done)
        return true;
    if (opened.unreadable) {
        // The reader's text already names the file; add it only when it does not.
        std::string error = English(opened.reason);
        if (error.find(path) == std::string::npos)
            error = "cannot read " + path + ": " + error;
        err << "ranvik-cli: " << error << '\n';
    } else {
        err << "ranvik-cli: cannot open " << path << ": " << English(opened.reason) << '\n';
    }
    return false;
}

bool OutputNameUsable(const std::string& command, const std::string& output, std::ostream& err) {
    const std::string unusable = English(UnusableFileName(output));
    if (!unusable.empty())
        err << "ranvik-cli: " << command << ": " << unusable << '\n';
    return unusable.empty();
}

void PrintValidationOutcome(const ValidationResult& result, const ChartRules& rules,
                            std::ostream& out) {
    if (IsCellFault(result.fault)) {
        out << English(FaultText(result, rules)) << '\n';
    } else if (!result.passed()) {
        out << "Cancelled: " << English(ValidationMessage(result.fault)) << '\n';
    }
}

int SaveChartAs(ChartDocument& document, std::ostream& out, std::ostream& err,
                const std::string& summary) {
    const SaveResult saved = document.saveAs();
    if (saved.outcome == Outcome::Done) {
        out << summary << saved.path << '\n';
        return 0;
    }
    if (saved.cannotEncode) {
        err << "ranvik-cli: " << English(saved.reason) << '\n';
        return 1;
    }
    err << English(SavingError(saved.path, saved.reason)) << '\n';
    return 2;
}

} // namespace ranvik::cli
