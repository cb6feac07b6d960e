#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "files/ChartFile.h"
#include "files/PairWriter.h"
#include "report/RatingReport.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace ranvik::cli {

namespace {
const std::vector<OptionDef> kReportOptions = {
    {"--type", true},       {"--name", true},   {"--province", true},
    {"--end-date", true},   {"--td", true},     {"--reference", false},
    {"--organiser", false}, {"--rating", true}, {"--inconsistencies", false},
    {"--output", true},
};

std::optional<RatingSystem> ParseRatingSystem(const std::string& text) {
    if (text == "regular")
        return RatingSystem::Regular;
    if (text == "active")
        return RatingSystem::Active;
    return std::nullopt;
}

TournamentInfo InfoFrom(const CommandLine& line) {
    TournamentInfo info;
    info.name = line.value("--name");
    info.province = line.value("--province");
    info.referenceNumber = line.value("--reference");
    info.endDate = line.value("--end-date");
    info.tdNumber = line.value("--td");
    info.organiserNumber = line.value("--organiser");
    return info;
}

// The dialog's messages break lines with a lone CR; a terminal wants LF.
std::string WithNewlines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

// Both files' bytes are made before either is written, so a chart the file cannot carry
// never leaves a report without its chart.
int WriteReportAndChart(const Tournament& tournament, RatingSystem system,
                        const TournamentInfo& info, const std::string& output, std::ostream& out,
                        std::ostream& err) {
    const ReportBytes report = BuildReportBytes(tournament, system, info);
    if (!report.ok) {
        err << report.message << '\n';
        return 1;
    }
    const ChartBytes chart = SaveGridBytes(tournament.chart());
    if (!chart.ok) {
        err << chart.message << '\n';
        return 1;
    }
    const std::string reportPath = ReportPathFor(output);
    const std::string chartPath = ChartPathBesideReport(reportPath);
    const PairWriteOutcome written =
        WritePairSafely(reportPath, report.bytes, chartPath, chart.bytes);
    if (!written.ok) {
        if (written.failedPath == reportPath)
            err << "Error saving report to file: " << reportPath << '\n';
        else
            err << "Error saving " << chartPath << ".\n";
        err << written.reason << '\n';
        return 2;
    }
    out << reportPath << '\n' << chartPath << '\n';
    return 0;
}
} // namespace

int RunReportCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(args, kReportOptions, error);
    if (!line)
        return UsageError("report: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("report: --type must be swiss, rr or drr", err);
    const auto system = ParseRatingSystem(line->value("--rating"));
    if (!system)
        return UsageError("report: --rating must be regular or active", err);
    const auto policy = ParseInconsistencyPolicy(
        line->has("--inconsistencies") ? line->value("--inconsistencies") : "stop");
    if (!policy)
        return UsageError("report: --inconsistencies must be stop, ignore or all", err);

    Tournament tournament;
    if (!OpenChart(line->chart, *type, tournament, err))
        return 2;
    if (ValidateAndPrint(tournament, *policy, out).code != 0)
        return 1;
    for (const std::string& flagged :
         FlaggedMemberLines(tournament.chart(), tournament.playerRows())) {
        err << flagged << '\n';
    }
    const TournamentInfo info = InfoFrom(*line);
    if (const std::string problem = CheckTournamentInfo(info); !problem.empty()) {
        err << WithNewlines(problem) << '\n';
        return 1;
    }
    if (const std::string refused = RefusedReportPath(line->value("--output")); !refused.empty()) {
        err << "ranvik-cli: report: " << refused << '\n';
        return 2;
    }
    return WriteReportAndChart(tournament, *system, info, line->value("--output"), out, err);
}

} // namespace ranvik::cli
