#include "cli/ChartIo.h"

#include "files/ChartFile.h"
#include "files/ChartText.h"
#include "files/FileWriter.h"
#include "report/RatingReport.h"

#include <ostream>

namespace ranvik::cli {

bool OpenChart(const std::string& path, TournamentType type, Tournament& tournament,
               std::ostream& err) {
    tournament.FirstActivation();
    tournament.setType(type);
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error, MaxChartFileBytes)) {
        // The reader's text already names the file; add it only when it does not.
        if (error.find(path) == std::string::npos)
            error = "cannot read " + path + ": " + error;
        err << "ranvik-cli: " << error << '\n';
        return false;
    }
    const LoadOutcome loaded = LoadGridBytes(tournament, bytes);
    if (!loaded.ok) {
        err << "ranvik-cli: cannot open " << path << ": " << loaded.message << '\n';
        return false;
    }
    return true;
}

int SaveChart(const Tournament& tournament, const std::string& path, std::ostream& err) {
    const ChartBytes chart = SaveGridBytes(tournament.chart());
    if (!chart.ok) {
        err << "ranvik-cli: " << chart.message << '\n';
        return 1;
    }
    if (std::string reason; !WriteFileSafely(path, chart.bytes, reason)) {
        err << "Error saving " << path << ".\n" << reason << '\n';
        return 2;
    }
    return 0;
}

std::string ChartSavePath(const std::string& chosenPath) {
    return HasFileExtension(chosenPath) ? chosenPath : chosenPath + ".tms";
}

ValidationResult ValidateAndPrint(Tournament& tournament, InconsistencyAnswer policy,
                                  std::ostream& out) {
    const ValidationResult result = Validate(tournament, [&](const std::string& message) {
        out << message << '\n';
        return policy;
    });
    if (result.code >= 1 && result.code <= 5) {
        out << FaultText(result) << '\n';
    } else if (result.code == 6 || result.code == 7) {
        out << "Cancelled: " << ValidationMessage(result.code) << '\n';
    }
    return result;
}

} // namespace ranvik::cli
