#pragma once
// The clipboard's form of a block of cells, as spreadsheets exchange it: one line per row,
// cells parted by TAB. A cell a spreadsheet had to quote ("a<TAB>b", with "" for a quote)
// is read back unquoted; the chart turns TAB, CR and LF inside it into blanks.

#include "messages/Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

class Chart;

// Rows of cells; the line break after the last row adds no empty row. CRLF, LF and CR
// all end a line. No rows when a cell is one no chart may hold (ReadPastedBlock says why).
std::vector<std::vector<std::string>> ParseTabSeparated(std::string_view text);

// The bounds of a pasted block: the largest chart's lines and columns.
struct PasteBounds {
    std::size_t lines = 0;
    std::size_t cells = 0; // in one line
};

// A pasted block, or why none: the text is read cell by cell and the reading stops at the
// first line or cell beyond the bounds, the first cell longer than a chart cell may be and
// the first control character other than the separators (a quoted cell may hold TAB and
// line ends, which the chart writes as blanks). Nothing is allocated beyond what was read.
struct PastedBlock {
    std::vector<std::vector<std::string>> rows;
    Message fault; // "Line 2 column 3 holds a control character (U+0000)."
};
PastedBlock ReadPastedBlock(std::string_view text, PasteBounds bounds);

// The cells [col0..col1] x [row0..row1], each row ended by a line break.
std::string TabSeparatedCells(const Chart& chart, int col0, int row0, int col1, int row1);

} // namespace ranvik
