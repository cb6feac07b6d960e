#include "cli/Commands.h"

#include <ostream>

namespace ranvik::cli {

void PrintHelp(std::ostream& out) {
    out << R"(Usage: ranvik-cli COMMAND CHART [OPTIONS]

Commands:
  check CHART --type T [--inconsistencies P]
      Validate a chart as the report would. Prints each inconsistency message and
      then OK or the fault.
  report CHART --type T --name NAME --province P --end-date YYYY/MM/DD --td NUMBER
         [--reference R] [--organiser NUMBER] --rating regular|active
         [--inconsistencies P] -o OUT
      Validate, then write the rating report to OUT (".qtr" added when OUT has no
      extension) and the chart beside it with the extension ".tms". Players whose
      membership number is not six digits are listed on stderr. Prints both paths.
  sort CHART --type swiss -o OUT
      Sort the players by rating and save the chart to OUT.
  convert CHART --type T -o OUT
      Open the chart and save it as OUT (".tms" added when OUT has no extension).
  standings CHART --type T [--format text|csv|html|pdf] [--tiebreaks LIST]
            [--name NAME] [--paper a4|letter] [--inconsistencies P] [-o OUT]
      Validate, then write the standings with their tie-breaks and the cross-table.
      LIST is the tie-breaks in order, e.g. BH-C1,BH,SB,WIN (Swiss default) or
      SB,WIN,KS (round robin default); BH-C2, BH-M1, BH-M2 and WON are known too.
      Without -o the output goes to stdout (a PDF needs -o).
  members ...
      Membership database commands.

Options:
  --type swiss|rr|drr           tournament type of the chart (the file does not record it)
  --inconsistencies stop|ignore|all
                                answer to inconsistency messages: stop = Cancel (default),
                                ignore = Ignore each, all = All
  -o, --output OUT              file to write
  -h, --help                    show this help

Exit status: 0 done, 1 a fault in the chart or the tournament information,
2 usage error or a file that cannot be read or written.
)";
}

} // namespace ranvik::cli
