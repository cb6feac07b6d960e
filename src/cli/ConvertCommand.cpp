#include "cli/ChartIo.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <ostream>

namespace ranvik::cli {

int RunConvertCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto line = ParseCommandLine(args, {{"--type", true}, {"--output", true}}, error);
    if (!line)
        return UsageError("convert: " + error, err);
    const auto type = ParseTournamentType(line->value("--type"));
    if (!type)
        return UsageError("convert: --type must be swiss, rr or drr", err);

    Tournament tournament;
    if (!OpenChart(line->chart, *type, tournament, err))
        return 2;
    const std::string path = ChartSavePath(line->value("--output"));
    if (const int status = SaveChart(tournament, path, err); status != 0)
        return status;
    out << path << '\n';
    return 0;
}

} // namespace ranvik::cli
