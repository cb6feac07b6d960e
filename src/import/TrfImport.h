#pragma once
// Turning a tournament report file from a pairing program into a chart: the result codes
// in the chart's notation, the layout by type, and the checks that refuse a file whose
// pairings cannot make a chart. Nothing here touches a chart until FillTournament.

#include "chart/Tournament.h"
#include "messages/Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

enum class TrfTypeChoice { Auto, Swiss, RoundRobin, DoubleRoundRobin };

struct TrfImport {
    bool ok = false;
    // When refused: the file's line (from 1; 0 for the file as a whole) and why.
    int line = 0;
    Message reason;

    TournamentType type = TournamentType::Swiss;
    int players = 0;
    int rounds = 0; // rounds the file holds (the Swiss chart's round count)
    bool utf8 = true;
    std::string tournamentName, startDate, endDate;
    // Things the director should know; the import happened all the same.
    std::vector<Message> warnings;
    // cells[r - 1][c]: chart row r, every column from 0 ("#") to the last result column.
    std::vector<std::vector<std::string>> cells;
};

// Reads the file and builds the chart it describes. Auto takes a round robin when every
// player meets every other exactly once, a double round robin when exactly twice, and a
// Swiss chart otherwise.
TrfImport ImportTrf(std::string_view bytes, TrfTypeChoice choice);

// Lays the tournament out for the import's type and counts and writes every visible cell;
// the chart counts as Modified afterwards. The import must be ok.
void FillTournament(const TrfImport& imported, Tournament& tournament);

// The summary shown after an import: players, rounds, type, then each warning, one a line.
Message ImportSummary(const TrfImport& imported);

// "Line 12: <reason>", or the reason alone for the file as a whole.
Message RefusalMessage(const TrfImport& imported);

} // namespace ranvik
