#pragma once
// The chart: a table of text cells addressed (column, row) from 0. Row 0 holds the
// headings, column 0 the row numbers. Cells beyond the visible size are kept, so a
// count that shrinks and grows again shows the old text once more.

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

inline constexpr int FirstRoundCol = 4;

class ChartListener {
public:
    virtual ~ChartListener() = default;
    // Cells in the rectangle [col0..col1] x [row0..row1] (visible or not) got new text.
    virtual void cellsChanged(int col0, int row0, int col1, int row1) = 0;
    // The visible column or row count changed.
    virtual void sizeChanged() = 0;
};

class Chart {
public:
    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    void setColCount(int cols);
    void setRowCount(int rows);

    // Text of a cell; empty for a cell never written. Works beyond the visible size.
    const std::string& cell(int col, int row) const;
    // Writes a cell. TAB, CR and LF become blanks: a chart file could not carry them.
    void setCell(int col, int row, std::string_view text);
    // Writes without telling the listener; the caller reports the touched range itself.
    // For operations that change many cells at once.
    void setCellQuietly(int col, int row, std::string_view text);
    void notifyCellsChanged(int col0, int row0, int col1, int row1);

    void setListener(ChartListener* listener) { listener_ = listener; }

    // The kept storage, visible or not (for copies that must carry hidden cells too).
    int storedRows() const { return static_cast<int>(cells_.size()); }

private:
    std::string& slot(int col, int row);

    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::vector<std::string>> cells_; // cells_[row][col], grows, never shrinks
    ChartListener* listener_ = nullptr;
};

// Replaces TAB, CR and LF with blanks.
std::string SanitiseCellText(std::string_view text);

} // namespace ranvik
