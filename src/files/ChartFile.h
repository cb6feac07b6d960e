#pragma once
// The .tms chart file: one line per player row, every cell (column 0 included) followed
// by a TAB, CR LF after every line, no heading row. Bytes are Windows-1252.

#include "chart/Tournament.h"

#include <string>
#include <string_view>

namespace ranvik {

struct ChartBytes {
    bool ok = false;
    std::string bytes; // the file's content when ok
    std::string
        message; // why not, when !ok (a cell Windows-1252 cannot carry: names line and column)
};

// The file content for the chart's player rows as they stand.
ChartBytes EncodeChartFile(const Chart& chart);

struct ChartReadOutcome {
    bool ok = false;
    std::string message; // why the file is not readable, when !ok; nothing was changed then
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

} // namespace ranvik
