#pragma once
// ranvik-cli: the chart checks, the report, the sort and the conversion from the command line.

#include <iosfwd>

namespace ranvik::cli {

// Runs one command; gives the exit status (0 done, 1 a fault in the chart, 2 usage or file).
int Run(int argc, char* argv[], std::ostream& out, std::ostream& err);

} // namespace ranvik::cli
