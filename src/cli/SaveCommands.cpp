// "sort" and "convert": open a chart, optionally sort it, save it under another name.

#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/CommandLinePrompts.h"
#include "cli/Commands.h"

#include <ostream>

namespace ranvik::cli {

namespace {

int OpenAndSave(const std::string& command, bool sort, const Args& args, std::ostream& out,
                std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(args, {{"--type", true}, {"--output", true}}, error);
    if (!line)
        return UsageError(command + ": " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError(command + ": --type must be swiss, rr or drr", err);

    if (!OutputNameUsable(command, line->value("--output"), err))
        return 2;
    CommandLinePrompts prompts(out, err);
    prompts.outputPath = line->value("--output");
    ChartDocument document(prompts);
    if (!OpenChart(document, line->chart, *type, err))
        return 2;
    if (sort && !document.sortByRating()) {
        err << "Sorry. Resorting of round robin grids is not allowed.\n";
        return 1;
    }
    return SaveChartAs(document, out, err);
}

} // namespace

int RunSortCommand(const Args& args, std::ostream& out, std::ostream& err) {
    return OpenAndSave("sort", true, args, out, err);
}

int RunConvertCommand(const Args& args, std::ostream& out, std::ostream& err) {
    return OpenAndSave("convert", false, args, out, err);
}

} // namespace ranvik::cli
