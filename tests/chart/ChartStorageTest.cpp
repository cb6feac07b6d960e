// The chart's cell store: texts kept per row in one buffer, overwritten, compacted and
// copied between cells of the same row without losing or mixing up any text.

#include "chart/Chart.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace ranvik {
namespace {

// A reference model: whatever was last written to each cell.
using Model = std::map<std::pair<int, int>, std::string>;

// Read cell by cell and a row at a time.
void ExpectMatches(const Chart& chart, const Model& model, int cols, int rows) {
    std::vector<std::string_view> row(static_cast<std::size_t>(cols));
    for (int r = 0; r < rows; ++r) {
        chart.rowCells(r, 0, cols, row.data());
        std::string line;
        for (int c = 0; c < cols; ++c) {
            const auto it = model.find({c, r});
            const std::string expected = it == model.end() ? "" : it->second;
            ASSERT_EQ(chart.cell(c, r), expected) << "cell " << c << "," << r;
            ASSERT_EQ(row[c], expected) << "cell " << c << "," << r << " read with its row";
            line += expected + '|';
        }
        std::string appended = "before";
        chart.appendRowText(r, cols, '|', appended);
        ASSERT_EQ(appended, "before" + line) << "row " << r;
    }
}

TEST(ChartStorageTest, RandomWritesAndCopiesWithinARowKeepEveryText) {
    Chart chart;
    chart.setColCount(12);
    chart.setRowCount(5);
    Model model;
    std::mt19937 rng(7);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 20000; ++step) {
        const int row = pick(6); // one row beyond the visible ones
        const int col = pick(14);
        const int action = pick(6);
        if (action == 4) {
            // A whole row from fields, a few of them too long for the packed spans.
            std::string line;
            for (int c = 0; c <= col; ++c) {
                const std::string field(
                    static_cast<std::size_t>(pick(8) == 0 ? 250 + pick(10) : pick(3)),
                    static_cast<char>('A' + pick(26)));
                line += field + '\t';
                model[{c, row}] = field;
            }
            chart.setRowFieldsQuietly(row, col, line, '\t');
        } else if (action == 0) {
            // A view of a cell of the same row: the append may move the row's buffer.
            const int from = pick(14);
            const std::string expected(chart.cell(from, row));
            chart.setCellQuietly(col, row, chart.cell(from, row));
            model[{col, row}] = expected;
        } else if (action == 1) {
            chart.setCellQuietly(col, row, "");
            model[{col, row}] = "";
        } else {
            // Around 255 bytes the span no longer packs into 4 bytes.
            const int length = action == 2 ? pick(4) : action == 3 ? pick(40) : 250 + pick(10);
            const std::string text(static_cast<std::size_t>(length),
                                   static_cast<char>('a' + pick(26)));
            chart.setCellQuietly(col, row, text);
            model[{col, row}] = text;
        }
    }
    ExpectMatches(chart, model, 14, 6);
}

// Text beyond the first 16 MB of a row no longer packs into 4 bytes either.
TEST(ChartStorageTest, CellsBeyondTheFirst16MegabytesOfARowReadBack) {
    Chart chart;
    chart.setColCount(3);
    chart.setRowCount(2);
    chart.setCell(0, 1, std::string(std::size_t{17} << 20, 'h'));
    chart.setCell(1, 1, "after"); // appended beyond 16 MB
    EXPECT_EQ(chart.cell(0, 1).size(), std::size_t{17} << 20);
    EXPECT_EQ(chart.cell(1, 1), "after");
    chart.setCell(0, 1, ""); // the dead bytes now outweigh the live ones: the row is compacted
    EXPECT_EQ(chart.cell(1, 1), "after");
}

TEST(ChartStorageTest, AViewOfAnotherRowSurvivesTheStoreGrowing) {
    Chart chart;
    chart.setColCount(3);
    chart.setRowCount(2);
    chart.setCell(1, 0, "Name"); // short enough to live inside the row object itself
    chart.setCell(1, 500, chart.cell(1, 0));
    EXPECT_EQ(chart.cell(1, 500), "Name");
    EXPECT_EQ(chart.cell(1, 0), "Name");
}

TEST(ChartStorageTest, RowFillFromFieldsReplacesColumnsUpToTheLastOnly) {
    Chart chart;
    chart.setColCount(4);
    chart.setRowCount(3);
    chart.setCell(6, 1, "hidden"); // beyond the visible width: kept
    chart.setCell(3, 1, "old");
    chart.setRowFieldsQuietly(1, 3, "a\tb\r\tc", '\t');
    EXPECT_EQ(chart.cell(0, 1), "a");
    EXPECT_EQ(chart.cell(1, 1), "b "); // sanitised
    EXPECT_EQ(chart.cell(2, 1), "c");
    EXPECT_EQ(chart.cell(3, 1), ""); // the line ran out
    EXPECT_EQ(chart.cell(6, 1), "hidden");

    // Empty fields, a trailing separator, fields beyond the last column dropped.
    chart.setRowFieldsQuietly(1, 2, "\tx\t\tdropped", '\t');
    EXPECT_EQ(chart.cell(0, 1), "");
    EXPECT_EQ(chart.cell(1, 1), "x");
    EXPECT_EQ(chart.cell(2, 1), "");
    EXPECT_EQ(chart.cell(3, 1), ""); // beyond the range: kept (it was empty)
    EXPECT_EQ(chart.cell(6, 1), "hidden");
    chart.setRowFieldsQuietly(1, 1, "p\t", '\t');
    EXPECT_EQ(chart.cell(0, 1), "p");
    EXPECT_EQ(chart.cell(1, 1), "");

    // The line may be a view of the same row: the old buffer outlives the fill. Writing a
    // cell afterwards still works on the rebuilt buffer.
    chart.setCell(0, 1, "m\tn"); // sanitised to "m n"
    chart.setRowFieldsQuietly(1, 0, chart.cell(6, 1), '\t');
    EXPECT_EQ(chart.cell(0, 1), "hidden");
    chart.setCell(2, 1, "zz");
    EXPECT_EQ(chart.cell(2, 1), "zz");
    EXPECT_EQ(chart.cell(6, 1), "hidden");

    // A row never stored, filled with nothing, takes no storage; filled up to a column short
    // of the chart's width, it is as wide as the chart.
    chart.setRowFieldsQuietly(30, 1, "y", '\t');
    EXPECT_EQ(chart.cell(0, 30), "y");
    EXPECT_EQ(chart.cell(3, 30), "");
    chart.setRowFieldsQuietly(40, 3, "\t\t", '\t');
    EXPECT_LT(chart.storedRows(), 41);
    chart.setRowFieldsQuietly(40, 3, "\tx", '\t');
    EXPECT_EQ(chart.storedRows(), 41);
    EXPECT_EQ(chart.cell(1, 40), "x");
}

} // namespace
} // namespace ranvik
