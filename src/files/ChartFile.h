#pragma once
// The .tms chart file: one line per player row, every cell (column 0 included) followed
// by a TAB, CR LF after every line, no heading row. Bytes are Windows-1252.

#include "chart/Tournament.h"
#include "messages/Message.h"

#include <string>
#include <string_view>

namespace ranvik {

struct ChartBytes {
    bool ok = false;
    std::string bytes; // the file's content when ok
    Message message;   // why not, when !ok: UnsavableCellMessage of the cell
    int col = 0;       // that cell, when !ok
    int row = 0;
};

// The file content for the chart's player rows as they stand.
ChartBytes EncodeChartFile(const Chart& chart);

// Why a chart file cannot hold the cell: `Line 5 column 1 ("Name/Nom") holds "Ł" (U+0141), a
// character that cannot be saved in a chart file.` (the first such character, the column's
// heading); empty when the file can hold the whole text.
Message UnsavableCellMessage(const Chart& chart, int col, int row);

struct ChartReadOutcome {
    bool ok = false;
    Message message; // why the file is not readable, when !ok; nothing was changed then
};

// Lays the chart out anew from a chart file's bytes under the tournament's current type:
// sets the players count (and the rounds count for Swiss), fills every cell of the new
// size, leaves cells beyond it untouched, and clears Modified. Files outside the format
// (empty, more than 1000 lines, a first line wider than any chart, a Swiss line of more than
// 32 fields, NUL bytes, UTF-16, larger than any chart, a field no cell may hold as
// CellTextFault says) change nothing; the text's encoding is found as DecodeChartText says.
// Old editors' end-of-file marks (0x1A) at the very end are not part of the text.
// A one-line file reads as two players, the second row empty as a blank line leaves it.
// The message names the reason only; the caller adds the file's name.
ChartReadOutcome ReadChartFile(Tournament& tournament, std::string_view bytes);
// The same under the given type, which the tournament takes only once the file is known to
// be readable under it: a refused file leaves the chart, its type and its history as they were.
ChartReadOutcome ReadChartFileAs(Tournament& tournament, std::string_view bytes,
                                 TournamentType type);

// The type the file's shape suggests, for a question that proposes it: a first line with one
// result column per line of the file, its own cell "X" or empty, looks like a round robin;
// two per line, a double round robin; anything else a Swiss or match chart. A guess only: a
// file records no type.
TournamentType SuggestedChartType(std::string_view bytes);

} // namespace ranvik
