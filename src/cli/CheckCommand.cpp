#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"

#include "files/ChartFile.h"
#include "validation/ChartProblems.h"

#include <ostream>

namespace ranvik::cli {
namespace {

// Every fault validation would meet if it noted each one and went on, and every cell the
// chart file cannot hold, then their count; the warnings validation does not check go to err.
int CheckWholeChart(const CommandLine& line, TournamentType type, std::ostream& out,
                    std::ostream& err) {
    CommandLinePrompts prompts(out, err);
    ChartDocument document(prompts);
    if (!OpenChart(document, line.chart, type, err))
        return 2;
    ChartProblems problems(document.tournament(), UnsavableCellMessage);
    const std::vector<Message> lines = problems.validationLines();
    for (const Message& text : lines)
        out << English(text) << '\n';
    for (const ChartWarning& warning : problems.warnings())
        err << "Warning: " << English(warning.text) << '\n';
    if (lines.empty()) {
        out << "OK\n";
        return 0;
    }
    out << lines.size() << (lines.size() == 1 ? " fault\n" : " faults\n");
    return 1;
}

} // namespace

int RunCheckCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(
        args, {{"--type", true}, {"--inconsistencies", false}, {"--all", false, true}}, error);
    if (!line)
        return UsageError("check: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("check: --type must be swiss, rr or drr", err);
    const auto policy = ParseInconsistencyPolicy(line->valueOr("--inconsistencies", "stop"));
    if (!policy)
        return UsageError("check: --inconsistencies must be stop, ignore or all", err);

    if (line->has("--all"))
        return CheckWholeChart(*line, *type, out, err);

    CommandLinePrompts prompts(out, err);
    prompts.inconsistencyPolicy = *policy;
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    const ValidationResult result = document.validate();
    PrintValidationOutcome(result, document.tournament().rules(), out);
    if (!result.passed())
        return 1;
    out << "OK\n";
    return 0;
}

} // namespace ranvik::cli
