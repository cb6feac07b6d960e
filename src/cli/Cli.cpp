#include "cli/Cli.h"

#include "cli/Commands.h"
#include "cli/MembersCommand.h"

#include <new>
#include <ostream>

namespace ranvik::cli {

int UsageError(const std::string& message, std::ostream& err) {
    err << "ranvik-cli: " << message << "\nTry 'ranvik-cli --help'.\n";
    return 2;
}

namespace {
int RunCommand(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    if (argc < 2)
        return UsageError("no command given", err);
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        PrintHelp(out);
        return 0;
    }
    for (const std::string& arg : args) {
        if (command != "members" && (arg == "--help" || arg == "-h")) {
            PrintHelp(out);
            return 0;
        }
    }
    if (command == "check")
        return RunCheckCommand(args, out, err);
    if (command == "report")
        return RunReportCommand(args, out, err);
    if (command == "sort")
        return RunSortCommand(args, out, err);
    if (command == "convert")
        return RunConvertCommand(args, out, err);
    if (command == "import-trf")
        return RunImportTrfCommand(args, out, err);
    if (command == "match")
        return RunMatchCommand(args, out, err);
    if (command == "standings")
        return RunStandingsCommand(args, out, err);
    if (command == "members")
        return RunMembersCommand(args, out, err);
    return UsageError("unknown command '" + command + "'", err);
}
} // namespace

int Run(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    // Memory running out anywhere ends the command with a message, never an abort; no file
    // has been replaced then, as every write is staged first.
    try {
        return RunCommand(argc, argv, out, err);
    } catch (const std::bad_alloc&) {
        err << "ranvik-cli: out of memory; nothing was written.\n";
        return 2;
    }
}

} // namespace ranvik::cli
