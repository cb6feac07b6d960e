#pragma once
// Opening and saving charts the way the program's Open and Save as do.

#include "chart/Tournament.h"
#include "validation/Validation.h"

#include <iosfwd>
#include <string>

namespace ranvik::cli {

// The start state, the type chosen, then the file read into the chart. On failure writes
// the reason to err and gives false.
bool OpenChart(const std::string& path, TournamentType type, Tournament& tournament,
               std::ostream& err);

// Writes the chart's file. Gives the exit status: 0 written, 1 a cell the file cannot
// carry, 2 the file could not be written; the reason goes to err.
int SaveChart(const Tournament& tournament, const std::string& path, std::ostream& err);

// Save as's name rule: ".tms" appended when the path has no extension.
std::string ChartSavePath(const std::string& chosenPath);

// Validates, printing each inconsistency message shown and then, for a fault, the line
// the program would show. Gives the validation outcome.
ValidationResult ValidateAndPrint(Tournament& tournament, InconsistencyAnswer policy,
                                  std::ostream& out);

} // namespace ranvik::cli
