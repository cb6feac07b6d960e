#pragma once
// The chart: a table of text cells addressed (column, row) from 0. Row 0 holds the
// headings, column 0 the row numbers. Cells beyond the visible size are kept, so a
// count that shrinks and grows again shows the old text once more.
//
// Each stored row keeps its texts in one buffer, a cell being an offset and a length into
// it packed in 4 bytes: two million cells of a few characters each would otherwise be two
// million string objects. A view returned by cell() stays valid until that row is next
// written (any setCell, setCellQuietly or setRowFieldsQuietly on the row) or storage grows
// by a row.

#include "chart/ChartHistory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// The chart's fixed columns; result columns start at FirstResult. Plain ints so that
// result columns can be counted from them.
struct ChartColumn {
    enum : int { LineNumber = 0, Name = 1, MemberNumber = 2, Rating = 3, FirstResult = 4 };
};

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
    Chart() = default;
    // A copy is a chart of its own: the original's listeners are not told of its changes.
    Chart(const Chart& other);
    Chart& operator=(const Chart& other);
    Chart(Chart&&) noexcept = default;
    Chart& operator=(Chart&&) noexcept = default;
    ~Chart() = default;

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    void setColCount(int cols);
    void setRowCount(int rows);

    // Text of a cell; empty for a cell never written. Works beyond the visible size.
    // See above for how long the view stays valid.
    std::string_view cell(int col, int row) const; // inline below: read millions of times
    // The texts of count cells of a row from column first on, as cell() gives them, into
    // out: for reading whole rows (saving, validation), the row looked up once.
    void rowCells(int row, int first, int count, std::string_view* out) const;
    // Appends the texts of a row's columns 0..count-1 to out, each followed by separator:
    // a chart file's line, written in one pass (saving).
    void appendRowText(int row, int count, char separator, std::string& out) const;
    // Writes a cell. TAB, CR and LF become blanks: a chart file could not carry them.
    // The text may be a view of any cell, this row's included.
    void setCell(int col, int row, std::string_view text);
    // Writes without telling the listener; the caller reports the touched range itself.
    // For operations that change many cells at once.
    void setCellQuietly(int col, int row, std::string_view text);
    // Writes the fields of a line, split at each separator, to columns 0..lastCol (empty
    // where the line runs out; fields beyond are dropped), quietly, building the row's
    // buffer in one pass. Cells beyond lastCol keep their text. For loading a file: the
    // history is not told, as it starts afresh after a load.
    void setRowFieldsQuietly(int row, int lastCol, std::string_view line, char separator);
    void notifyCellsChanged(int col0, int row0, int col1, int row1);

    // Listeners are told in the order they were added (the window's model, the history, the
    // live check...). A listener removes itself before it goes away.
    void addListener(ChartListener* listener);
    void removeListener(ChartListener* listener);

    // Told every cell's text before it changes; it keeps the undo steps.
    ChartHistory& history() { return history_; }
    const ChartHistory& history() const { return history_; }

    // The kept storage, visible or not (for copies that must carry hidden cells too).
    int storedRows() const { return static_cast<int>(store_.size()); }

  private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // A span packed as the offset's 24 bits and the length's 8: the size of the chart's
    // storage is mostly these. A cell of 255 bytes or more, or lying beyond the first 16 MB
    // of its row's text, is marked kLarge and its span kept in the row's list of them.
    using Packed = std::uint32_t;
    static constexpr Packed kLarge = 0xFF;
    struct LargeCell {
        std::size_t col = 0;
        Span span;
    };
    struct Row {
        std::string text;             // every cell's text, live or overwritten
        std::vector<Packed> spans;    // spans[col]
        std::vector<LargeCell> large; // by column: the cells spans mark kLarge
        std::size_t dead = 0;         // bytes of text no span points at any more
    };

    Row& storedRow(int col, int row);
    static Span spanOf(const Row& line, std::size_t col);
    static void setSpan(Row& line, std::size_t col, Span span);
    static std::string_view largeCell(const Row& line, std::size_t col);
    static void compact(Row& line);

    int cols_ = 0;
    int rows_ = 0;
    std::vector<Row> store_; // store_[row], grows, never shrinks
    std::vector<ChartListener*> listeners_;
    ChartHistory history_;
};

inline std::string_view Chart::cell(int col, int row) const {
    if (row < 0 || col < 0 || row >= storedRows())
        return {};
    const Row& line = store_[row];
    if (col >= static_cast<int>(line.spans.size()))
        return {};
    const Packed packed = line.spans[col];
    if ((packed & kLarge) == kLarge)
        return largeCell(line, col);
    return {line.text.data() + (packed >> 8), packed & kLarge};
}

// Replaces TAB, CR and LF with blanks.
std::string SanitiseCellText(std::string_view text);

} // namespace ranvik
