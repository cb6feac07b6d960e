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

void ExpectMatches(const Chart& chart, const Model& model, int cols, int rows) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const auto it = model.find({c, r});
            const std::string expected = it == model.end() ? "" : it->second;
            ASSERT_EQ(chart.cell(c, r), expected) << "cell " << c << "," << r;
        }
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
        const int action = pick(4);
        if (action == 0) {
            // A view of a cell of the same row: the append may move the row's buffer.
            const int from = pick(14);
            const std::string expected(chart.cell(from, row));
            chart.setCellQuietly(col, row, chart.cell(from, row));
            model[{col, row}] = expected;
        } else if (action == 1) {
            chart.setCellQuietly(col, row, "");
            model[{col, row}] = "";
        } else {
            const std::string text(static_cast<std::size_t>(pick(action == 2 ? 4 : 40)),
                                   static_cast<char>('a' + pick(26)));
            chart.setCellQuietly(col, row, text);
            model[{col, row}] = text;
        }
    }
    ExpectMatches(chart, model, 14, 6);
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

TEST(ChartStorageTest, RowFillReplacesItsRangeOnlyAndSanitises) {
    Chart chart;
    chart.setColCount(4);
    chart.setRowCount(3);
    chart.setCell(6, 1, "hidden"); // beyond the visible width: kept
    chart.setCell(0, 1, "old");
    chart.setCell(2, 1, "old two");
    chart.setRowCellsQuietly(1, 1, 3, {"a\tb", "c"});
    EXPECT_EQ(chart.cell(0, 1), "old");
    EXPECT_EQ(chart.cell(1, 1), "a b");
    EXPECT_EQ(chart.cell(2, 1), "c");
    EXPECT_EQ(chart.cell(3, 1), ""); // the texts ran out
    EXPECT_EQ(chart.cell(6, 1), "hidden");

    // The texts may be views of the same row: the old buffer outlives the fill.
    const std::vector<std::string_view> own = {chart.cell(6, 1), chart.cell(0, 1)};
    chart.setRowCellsQuietly(1, 0, 1, own);
    EXPECT_EQ(chart.cell(0, 1), "hidden");
    EXPECT_EQ(chart.cell(1, 1), "old");
    EXPECT_EQ(chart.cell(2, 1), "c");

    // A row never stored, filled with nothing, takes no storage.
    chart.setRowCellsQuietly(40, 0, 3, {"", ""});
    EXPECT_LT(chart.storedRows(), 41);
    chart.setRowCellsQuietly(40, 0, 3, {"", "x"});
    EXPECT_EQ(chart.storedRows(), 41);
    EXPECT_EQ(chart.cell(1, 40), "x");
}

} // namespace
} // namespace ranvik
