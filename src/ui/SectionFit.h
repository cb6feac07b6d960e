#pragma once
// Column widths and row heights for big read-only tables. A view that sizes its sections to
// their contents lays out every cell, two million on a full double round robin's
// cross-table; this measures each distinct text once.

#include <functional>
#include <string_view>

class QTableView;

namespace ranvik {

// The text a model shows in a cell, as UTF-8 (row and column of the model itself).
using CellText = std::function<std::string_view(int row, int column)>;

// The width a column of the view needs to show a text of textWidth pixels whole.
int ColumnWidthForText(QTableView& view, int textWidth);

// Makes each column as wide as its heading and its widest text, so that nothing is elided
// (the user can still drag a column), and every row one line of text high.
void FitSectionsToTexts(QTableView& view, int rows, int columns, const CellText& text);

} // namespace ranvik
