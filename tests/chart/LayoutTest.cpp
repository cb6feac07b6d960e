#include "chart/Tournament.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {
Tournament Started() {
    Tournament t;
    t.layOutStartChart();
    return t;
}
} // namespace

TEST(Layout, StartChartIsTenPlayersOneRoundSwiss) {
    Tournament t = Started();
    EXPECT_EQ(t.chart().colCount(), 5);
    EXPECT_EQ(t.chart().rowCount(), 11);
    EXPECT_EQ(t.chart().cell(0, 0), "#");
    EXPECT_EQ(t.chart().cell(3, 0), "Rtng/Cote");
    EXPECT_EQ(t.chart().cell(4, 0), "Rd 1");
    EXPECT_EQ(t.chart().cell(0, 10), "10");
    EXPECT_FALSE(t.modified());
}

namespace {
std::vector<std::string> Headings(const Chart& chart) {
    std::vector<std::string> out;
    for (int c = 0; c < chart.colCount(); ++c)
        out.emplace_back(chart.cell(c, 0));
    return out;
}

// Cells holding exactly "X" among the visible result cells, as (col, row).
std::vector<std::pair<int, int>> XMarks(const Chart& chart) {
    std::vector<std::pair<int, int>> out;
    for (int r = 1; r < chart.rowCount(); ++r) {
        for (int c = ChartColumn::FirstResult; c < chart.colCount(); ++c) {
            if (chart.cell(c, r) == "X")
                out.emplace_back(c, r);
        }
    }
    return out;
}
} // namespace

TEST(Layout, RoundRobinOfTenPlayers) {
    Tournament t = Started();
    t.setType(TournamentType::RoundRobin);
    EXPECT_EQ(t.chart().colCount(), 14);
    EXPECT_EQ(t.chart().rowCount(), 11);
    EXPECT_EQ(Headings(t.chart()),
              (std::vector<std::string>{"#", "Name/Nom", "QRB#", "Rtng/Cote", "1", "2", "3", "4",
                                        "5", "6", "7", "8", "9", "10"}));
    std::vector<std::pair<int, int>> diagonal;
    for (int r = 1; r <= 10; ++r)
        diagonal.emplace_back(3 + r, r);
    EXPECT_EQ(XMarks(t.chart()), diagonal);
    EXPECT_TRUE(t.modified());
}

TEST(Layout, DoubleRoundRobinOfThreePlayersThenBackToSwiss) {
    Tournament t = Started();
    t.setNumRounds(4);
    t.setNumPlayers(3);
    t.setType(TournamentType::DoubleRoundRobin);
    EXPECT_EQ(t.chart().colCount(), 10);
    EXPECT_EQ(Headings(t.chart()), (std::vector<std::string>{"#", "Name/Nom", "QRB#", "Rtng/Cote",
                                                             "1a", "1b", "2a", "2b", "3a", "3b"}));
    EXPECT_EQ(XMarks(t.chart()),
              (std::vector<std::pair<int, int>>{{4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 3}, {9, 3}}));
    // A round robin's columns are its players: a rounds count waits for a Swiss chart.
    t.setNumRounds(5);
    EXPECT_EQ(t.chart().colCount(), 10);
    t.setNumRounds(4);

    t.setType(TournamentType::Swiss);
    EXPECT_EQ(t.chart().colCount(), 8);
    EXPECT_TRUE(XMarks(t.chart()).empty());
    EXPECT_EQ(t.chart().cell(7, 0), "Rd 4");
    // The hidden column 8 keeps its mark.
    EXPECT_EQ(t.chart().cell(8, 3), "X");
}

TEST(Layout, RaisingRoundRobinPlayersKeepsResultsAndMarksTheNewDiagonal) {
    Tournament t = Started();
    t.setNumPlayers(3);
    t.setType(TournamentType::RoundRobin);
    t.chart().setCell(1, 2, "Bea");
    t.chart().setCell(5, 1, "1");
    t.chart().setCell(4, 2, "0");
    t.setNumPlayers(5);
    EXPECT_EQ(t.chart().rowCount(), 6);
    EXPECT_EQ(t.chart().colCount(), 9);
    EXPECT_EQ(t.chart().cell(8, 0), "5");
    EXPECT_EQ(t.chart().cell(0, 5), "5");
    EXPECT_EQ(XMarks(t.chart()),
              (std::vector<std::pair<int, int>>{{4, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}}));
    EXPECT_EQ(t.chart().cell(1, 2), "Bea");
    EXPECT_EQ(t.chart().cell(5, 1), "1");
    EXPECT_EQ(t.chart().cell(4, 2), "0");
}

TEST(Layout, ShrinkingHidesCellsAndGrowingShowsThemAgain) {
    Tournament t = Started();
    t.setNumRounds(3);
    t.setNumPlayers(12);
    t.chart().setCell(1, 11, "Kim");
    t.chart().setCell(6, 12, "W1");
    t.chart().setCell(6, 1, "L12");
    t.setNumPlayers(10);
    t.setNumRounds(2);
    EXPECT_EQ(t.chart().rowCount(), 11);
    EXPECT_EQ(t.chart().colCount(), 6);
    t.setNumPlayers(12);
    t.setNumRounds(3);
    EXPECT_EQ(t.chart().cell(1, 11), "Kim");
    EXPECT_EQ(t.chart().cell(6, 12), "W1");
    EXPECT_EQ(t.chart().cell(6, 1), "L12");
}

TEST(Layout, RoundRobinMarksInHiddenColumnsReturnAsSwissRounds) {
    Tournament t = Started();
    t.setType(TournamentType::RoundRobin);
    t.setType(TournamentType::Swiss);
    EXPECT_EQ(t.chart().colCount(), 5);
    EXPECT_EQ(t.chart().cell(4, 1), ""); // visible: cleared
    t.setNumRounds(10);
    for (int r = 2; r <= 10; ++r)
        EXPECT_EQ(t.chart().cell(3 + r, r), "X") << r;
    EXPECT_EQ(t.chart().cell(5, 0), "Rd 2");
    EXPECT_EQ(t.chart().cell(13, 0), "Rd 10");
}

TEST(Layout, OnlyAnExactCapitalXIsEverCleared) {
    Tournament t = Started();
    t.setNumRounds(3);
    // Row 5 meets itself in none of columns 4 to 6 under any type.
    t.chart().setCell(4, 5, "x");
    t.chart().setCell(5, 5, "X ");
    t.chart().setCell(6, 5, " X");
    t.chart().setCell(6, 4, "X");
    for (auto type :
         {TournamentType::RoundRobin, TournamentType::DoubleRoundRobin, TournamentType::Swiss}) {
        t.setType(type);
        EXPECT_EQ(t.chart().cell(4, 5), "x");
        EXPECT_EQ(t.chart().cell(5, 5), "X ");
        EXPECT_EQ(t.chart().cell(6, 5), " X");
        EXPECT_EQ(t.chart().cell(6, 4), "");
    }
}

TEST(Layout, ChangingRoundsNeverTouchesCellsBelowTheHeadings) {
    Tournament t = Started();
    t.chart().setCell(0, 3, "three");
    t.chart().setCell(4, 2, "X");
    t.setModified(false);
    t.setNumRounds(5);
    t.setNumRounds(2);
    EXPECT_EQ(t.chart().cell(0, 3), "three");
    EXPECT_EQ(t.chart().cell(4, 2), "X");
    EXPECT_EQ(t.chart().cell(5, 0), "Rd 2");
    EXPECT_TRUE(t.modified());
}

TEST(Layout, CountsBehaveLikeSpinBoxes) {
    Tournament t = Started();
    int changes = 0;
    t.onShapeChanged = [&changes] { ++changes; };
    t.setNumPlayers(10); // unchanged: no layout, no Modified
    t.setNumRounds(1);
    t.setType(TournamentType::Swiss);
    EXPECT_FALSE(t.modified());
    EXPECT_EQ(changes, 0);

    t.setNumPlayers(1);
    EXPECT_EQ(t.numPlayers(), 2);
    EXPECT_EQ(t.chart().rowCount(), 3);
    t.setNumPlayers(5000);
    EXPECT_EQ(t.numPlayers(), 1000);
    EXPECT_EQ(t.chart().rowCount(), 1001);
    EXPECT_EQ(t.chart().cell(0, 1000), "1000");
    t.setNumRounds(0);
    EXPECT_EQ(t.numRounds(), 1);
    t.setNumRounds(40);
    EXPECT_EQ(t.numRounds(), 28);
    EXPECT_EQ(t.chart().colCount(), 32);
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(changes, 3); // 1 -> 2 was a real change; 0 -> 1 rounds was not
}

TEST(Layout, LayoutsRenumberColumnZero) {
    Tournament t = Started();
    t.chart().setCell(0, 4, "renamed");
    t.setType(TournamentType::RoundRobin);
    EXPECT_EQ(t.chart().cell(0, 4), "4");
    t.chart().setCell(0, 4, "renamed");
    t.setNumPlayers(11);
    EXPECT_EQ(t.chart().cell(0, 4), "4");
}
