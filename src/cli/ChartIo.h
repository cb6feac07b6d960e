#pragma once
// Opening, checking and saving charts the way the program's Open, report and Save as do.

#include "document/ChartDocument.h"

#include <iosfwd>
#include <string>

namespace ranvik::cli {

// The start state, the type chosen, then the file read into the chart. On failure writes
// the reason to err and gives false.
bool OpenChart(ChartDocument& document, const std::string& path, TournamentType type,
               std::ostream& err);

// The one output-name rule of the commands that write (that of convert and report): a name
// that names no file (empty, ending in a folder separator, too long) is refused before
// anything is read; false after printing "ranvik-cli: COMMAND: reason".
bool OutputNameUsable(const std::string& command, const std::string& output, std::ostream& err);

// Prints the line the program would show for a validation outcome that is not a pass.
void PrintValidationOutcome(const ValidationResult& result, const ChartRules& rules,
                            std::ostream& out);

// Save as under the command's output name. Gives the exit status: 0 written, 1 a cell the
// file cannot carry, 2 the file could not be written; the reason goes to err.
// `summary` goes to out before the path once the file is written.
int SaveChartAs(ChartDocument& document, std::ostream& out, std::ostream& err,
                const std::string& summary = {});

} // namespace ranvik::cli
