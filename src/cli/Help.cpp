#include "cli/Commands.h"

#include <ostream>

namespace ranvik::cli {

void PrintHelp(std::ostream& out) {
    out << R"(Usage: ranvik-cli COMMAND CHART [OPTIONS]

Commands:
  check CHART --type T [--inconsistencies P]
      Validate a chart as the report would. Prints each inconsistency message and
      then OK or the fault.
  check CHART --type T --all
      Every fault at once, in validation's order: each inconsistency message, each
      faulty cell's text and each cell holding a character a chart file cannot save,
      then "N faults" or OK. Warnings (a membership number on two lines or not six
      digits, a result against a line without a name, a rating outside 0-3000, a
      name on two lines, a bye with a number, a forfeit naming its opponent) go to
      stderr.
  report CHART --type T --name NAME --province P --end-date YYYY/MM/DD --td NUMBER
         [--reference R] [--organiser NUMBER] --rating regular|active
         [--inconsistencies P] -o OUT
      Validate, then write the rating report to OUT (".qtr" added when OUT has no
      extension) and the chart beside it with the extension ".tms". The end date
      must be a calendar day not after tomorrow (exit status 1 otherwise). Players
      whose membership number is not six digits, the TD's or organiser's number if
      not six digits, ratings outside 0-3000, names on two lines, byes with a number
      and forfeits naming their opponent (filed by their points) are listed on
      stderr. Prints both paths.
  sort CHART --type swiss -o OUT
      Sort the players by rating and save the chart to OUT.
  convert CHART --type T -o OUT
      Open the chart and save it as OUT (".tms" added when OUT has no extension).
      A cell holding a character a chart file cannot hold is refused (exit status
      1), named by its line, column and the character.
  import-trf TRF [--type auto|swiss|rr|drr] -o OUT
      Make a chart file from a FIDE tournament report file (TRF-16 or later) and
      print a summary: players, rounds, type, warnings. auto (default) takes a round
      robin when every player meets every other once, a double round robin when
      twice, Swiss otherwise. Players go in start-number order; the membership number
      stays empty; colours are not kept. Result codes become, in Swiss charts:
      1 W, 0 L, = D (with the opponent); + X and - F (forfeits, with the opponent);
      W X, D Z, L F (scored without play, with the opponent); H H, F B, U and Z U
      (byes); an unpaired round or a game without a result an empty cell. Round robin
      charts: 1 1, 0 0, = and D =, + and W +, - and L - (X marks the player's own
      cell); byes have no cell there and are left out. A double forfeit, a game
      without a result or a pair that never meets has no round robin cells the
      check accepts: auto then takes Swiss and says why, rr and drr refuse. Control
      characters in a name become spaces, with a warning. A file whose points differ
      from the imported results is imported with a warning per player. Refused,
      with the line and the reason: no player line, more than 1000 players, more
      than 28 rounds (Swiss), an opponent that does not exist, two lines of one
      round that disagree, a pair meeting more often than the layout holds; a file
      over 64 MB, of more than 10000 lines, or saved as UTF-16.
  match CHART --type T DB [--rating regular|active] -o OUT
      For every player without a six-digit membership number, look the name up in
      the membership database DB (case, accents and punctuation ignored; "Surname,
      Given" and "Given Surname" alike). Exactly one member: fill the name, the
      number and the rating (regular unless --rating active). Several or none: left
      and listed. A filled number is never replaced. A member's name a chart file
      cannot hold is written in its nearest spelling, control characters in it as
      spaces, and the summary says so; a member whose values no chart cell can hold
      is not written, with the reason.
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
