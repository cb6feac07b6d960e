#pragma once
// The commands of ranvik-cli. Each takes the arguments after its name and gives the exit
// status: 0 done, 1 a fault in the chart or its facts, 2 usage or a file problem.

#include <iosfwd>
#include <string>
#include <vector>

namespace ranvik::cli {

using Args = std::vector<std::string>;

int RunCheckCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunReportCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunSortCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunConvertCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunImportTrfCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunMatchCommand(const Args& args, std::ostream& out, std::ostream& err);
int RunStandingsCommand(const Args& args, std::ostream& out, std::ostream& err);

// Writes "ranvik-cli: <message>" and the pointer to --help; gives 2.
int UsageError(const std::string& message, std::ostream& err);

void PrintHelp(std::ostream& out);

} // namespace ranvik::cli
