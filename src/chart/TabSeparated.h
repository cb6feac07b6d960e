#pragma once
// The clipboard's form of a block of cells, as spreadsheets exchange it: one line per row,
// cells parted by TAB. A cell a spreadsheet had to quote ("a<TAB>b", with "" for a quote)
// is read back unquoted; the chart turns TAB, CR and LF inside it into blanks.

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

class Chart;

// Rows of cells; the line break after the last row adds no empty row. CRLF, LF and CR
// all end a line.
std::vector<std::vector<std::string>> ParseTabSeparated(std::string_view text);

// The cells [col0..col1] x [row0..row1], each row ended by a line break.
std::string TabSeparatedCells(const Chart& chart, int col0, int row0, int col1, int row1);

} // namespace ranvik
