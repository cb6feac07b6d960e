#pragma once
// Runs the built ranvik-cli with its output caught in files.

#include "support/TestSupport.h"

#include <string>
#include <vector>

namespace ranvik::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs ranvik-cli with the given arguments (each passed as one word).
CliResult RunCli(const std::vector<std::string>& args);

// A chart file's content from rows of cells: every cell followed by TAB, lines by CR LF.
std::string ChartText(const std::vector<std::vector<std::string>>& rows);

} // namespace ranvik::test
