#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"

#include <ostream>

namespace ranvik::cli {

int RunCheckCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line =
        ParseCommandLine(args, {{"--type", true}, {"--inconsistencies", false}}, error);
    if (!line)
        return UsageError("check: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("check: --type must be swiss, rr or drr", err);
    const auto policy = ParseInconsistencyPolicy(
        line->has("--inconsistencies") ? line->value("--inconsistencies") : "stop");
    if (!policy)
        return UsageError("check: --inconsistencies must be stop, ignore or all", err);

    CommandLinePrompts prompts(out, err);
    prompts.inconsistencyPolicy = *policy;
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    const ValidationResult result = document.validate();
    PrintValidationOutcome(result, out);
    if (!result.passed())
        return 1;
    out << "OK\n";
    return 0;
}

} // namespace ranvik::cli
