#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"

#include "files/ChartFile.h"
#include "files/PairWriter.h"
#include "report/RatingReport.h"

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

// The document's outcome in the command line's words: each message once, on the stream
// the office's scripts expect it on.
int PrintReportResult(const ReportResult& result, const ChartRules& rules, std::ostream& out,
                      std::ostream& err) {
    using Failure = ReportResult::Failure;
    switch (result.failure) {
    case Failure::None:
        out << result.reportPath << '\n' << result.chartPath << '\n';
        return 0;
    case Failure::Fault:
    case Failure::Cancelled:
        PrintValidationOutcome(result.validation, rules, out);
        return 1;
    case Failure::Info:
        err << English(result.message) << '\n';
        return 1;
    case Failure::RefusedName:
        err << "ranvik-cli: report: " << English(result.message) << '\n';
        return 2;
    case Failure::Encode:
        err << English(result.message) << '\n';
        return 1;
    case Failure::WriteReport:
    case Failure::WriteChart:
        err << English(result.message) << '\n';
        return 2;
    }
    return 2;
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
    const auto policy = ParseInconsistencyPolicy(line->valueOr("--inconsistencies", "stop"));
    if (!policy)
        return UsageError("report: --inconsistencies must be stop, ignore or all", err);

    CommandLinePrompts prompts(out, err);
    prompts.inconsistencyPolicy = *policy;
    prompts.ratingSystem = *system;
    prompts.info = InfoFrom(*line);
    prompts.outputPath = line->value("--output");
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    const ReportResult result = document.createReport();
    return PrintReportResult(result, document.tournament().rules(), out, err);
}

} // namespace ranvik::cli
