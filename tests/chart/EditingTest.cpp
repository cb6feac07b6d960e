#include "Charts.h"
#include "chart/Tournament.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

Tournament Make(TournamentType type, int players, int rounds = 3) {
    return test::UnmodifiedChart(type, players, rounds);
}

// Moves to (col, row) and types the keys as the grid would deliver them: each key goes
// through the key filter and what comes out is appended to the cell.
void Type(Tournament& t, int col, int row, const std::u32string& keys) {
    t.moveToCell(col, row);
    for (char32_t key : keys) {
        const std::optional<char32_t> out = t.filterTypedKey(key, col, row);
        if (!out || *out == Tournament::Enter)
            continue;
        std::string text(t.chart().cell(col, row));
        if (*out == Tournament::Backspace) {
            if (!text.empty())
                text.pop_back();
        } else {
            text += static_cast<char>(*out); // the tests type ASCII only
        }
        t.chart().setCell(col, row, text);
    }
}

void Enter(Tournament& t, int col, int row) {
    EXPECT_EQ(t.filterTypedKey(Tournament::Enter, col, row), Tournament::Enter);
}

std::vector<std::vector<std::string>> Cells(const Chart& chart) {
    std::vector<std::vector<std::string>> rows(chart.rowCount());
    for (int r = 0; r < chart.rowCount(); ++r) {
        for (int c = 0; c < chart.colCount(); ++c)
            rows[r].emplace_back(chart.cell(c, r));
    }
    return rows;
}

} // namespace

TEST(Editing, SwissEnterMirrorsTheResultIntoTheOpponentsCell) {
    Tournament t = Make(TournamentType::Swiss, 10);
    Type(t, 5, 3, U"w5");
    Enter(t, 5, 3);
    EXPECT_EQ(t.chart().cell(5, 3), "W5");
    EXPECT_EQ(t.chart().cell(5, 5), "L3");
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(t.editCol(), 5);
    EXPECT_EQ(t.editRow(), 3);
    EXPECT_EQ(t.editText(), "W5");
}

TEST(Editing, SwissKeyFilterAndMirrorLetters) {
    struct Case {
        std::u32string keys;
        const char* cell;
        const char* mirror; // written into row 5 of the same round
    };
    const Case cases[] = {
        {U"g5", "G5", "P3"},    {U"=5", "=5", "=3"}, {U"x5", "W5", "L3"}, {U"b5", "W5", "L3"},
        {U"h5", "D5", "D3"},    {U"z5", "D5", "D3"}, {U"u5", "L5", "W3"}, {U"f5", "L5", "W3"},
        {U"e 5", "E 5", "E3"},  {U"-5", "-5", "+3"}, {U"q5", "Q5", " 3"}, {U"#5", "#5", " 3"},
        {U"w55\b", "W5", "L3"},
    };
    for (const Case& c : cases) {
        Tournament t = Make(TournamentType::Swiss, 10);
        Type(t, 4, 3, c.keys);
        t.moveToCell(4, 4); // leaving the cell commits it like Enter
        EXPECT_EQ(t.chart().cell(4, 3), c.cell);
        EXPECT_EQ(t.chart().cell(4, 5), c.mirror);
    }
}

TEST(Editing, NameColumnsAreNotFilteredButStillMarkModified) {
    Tournament t = Make(TournamentType::RoundRobin, 4);
    Type(t, 1, 2, U"anna b. 2x");
    EXPECT_EQ(t.chart().cell(1, 2), "anna b. 2x");
    EXPECT_TRUE(t.modified());
    t.setModified(false);
    EXPECT_EQ(t.filterTypedKey(U'q', 6, 1), std::nullopt); // dropped, still counts
    EXPECT_TRUE(t.modified());
}

TEST(Editing, SwissChangedOpponentLeavesTheOldMirror) {
    Tournament t = Make(TournamentType::Swiss, 10);
    Type(t, 5, 3, U"w5");
    Enter(t, 5, 3);
    Type(t, 5, 3, U"\b6");
    Enter(t, 5, 3);
    EXPECT_EQ(t.chart().cell(5, 3), "W6");
    EXPECT_EQ(t.chart().cell(5, 6), "L3");
    EXPECT_EQ(t.chart().cell(5, 5), "L3");
}

TEST(Editing, SwissOpponentOutsideTheChartWritesNothing) {
    for (const std::u32string& keys :
         {std::u32string(U"w40"), std::u32string(U"w0"), std::u32string(U"w"),
          std::u32string(U"  "), std::u32string(U"w5.5")}) {
        Tournament t = Make(TournamentType::Swiss, 30);
        Type(t, 4, 3, keys);
        auto expected = Cells(t.chart());
        Enter(t, 4, 3);
        t.moveToCell(5, 3);
        EXPECT_EQ(Cells(t.chart()), expected);
        EXPECT_EQ(t.chart().cell(4, 40), ""); // nothing stored beyond the chart either
    }
    // A bye read from a file names no opponent even when a number follows.
    Tournament t = Make(TournamentType::Swiss, 30);
    t.chart().setCell(4, 3, "B4");
    t.moveToCell(4, 3);
    t.moveToCell(4, 2);
    EXPECT_EQ(t.chart().cell(4, 4), "");
}

TEST(Editing, SwissOwnRowGetsTheMirror) {
    Tournament t = Make(TournamentType::Swiss, 10);
    Type(t, 4, 3, U"w3");
    Enter(t, 4, 3);
    EXPECT_EQ(t.chart().cell(4, 3), "L3");
}

TEST(Editing, TheOptionOffWritesNothingAndTurningItOnChangesNothingYet) {
    Tournament t = Make(TournamentType::Swiss, 10);
    t.toggleOpponentUpdates();
    EXPECT_FALSE(t.updatesOpponents());
    Type(t, 4, 3, U"w5");
    Enter(t, 4, 3);
    t.moveToCell(4, 4);
    EXPECT_EQ(t.chart().cell(4, 5), "");
    t.toggleOpponentUpdates();
    EXPECT_EQ(t.chart().cell(4, 5), "");
    // Passing through the cell afterwards does write the mirror.
    t.moveToCell(4, 3);
    t.moveToCell(4, 2);
    EXPECT_EQ(t.chart().cell(4, 5), "L3");
}

TEST(Editing, MovingThroughAResultCellWritesItsMirrorAgain) {
    Tournament t = Make(TournamentType::Swiss, 10);
    t.chart().setCell(4, 3, "W5");
    t.chart().setCell(4, 5, "D7");
    t.moveToCell(4, 3);
    t.moveToCell(4, 4);
    EXPECT_EQ(t.chart().cell(4, 5), "L3");
    // Leaving an empty cell or a name cell writes nothing.
    t.chart().setCell(1, 4, "W5");
    t.moveToCell(1, 4);
    t.chart().setCell(4, 5, "kept");
    t.moveToCell(2, 4);
    EXPECT_EQ(t.chart().cell(4, 5), "kept");
}

TEST(Editing, OpeningAnEditorMakesThatCellTheOneCommitted) {
    Tournament t = Make(TournamentType::Swiss, 10);
    t.moveToCell(4, 2);
    t.chart().setCell(4, 6, "W8");
    t.beginEditing(4, 6);
    EXPECT_EQ(t.editCol(), 4);
    EXPECT_EQ(t.editRow(), 6);
    t.moveToCell(1, 1);
    EXPECT_EQ(t.chart().cell(4, 8), "L6");
}

TEST(Editing, RoundRobinKeysAndMirrors) {
    struct Case {
        std::u32string keys;
        const char* cell;
        const char* mirror;
    };
    const Case cases[] = {
        {U"w", "1", "0"}, {U"1", "1", "0"}, {U"d", "=", "="},        {U"=", "=", "="},
        {U"l", "0", "1"}, {U"0", "0", "1"}, {U"W2b a9+-", "1", "0"}, {U"1\b=", "=", "="},
    };
    for (const Case& c : cases) {
        Tournament t = Make(TournamentType::RoundRobin, 5);
        Type(t, 6, 1, c.keys); // row 1 against player 3
        t.moveToCell(1, 1);
        EXPECT_EQ(t.chart().cell(6, 1), c.cell);
        EXPECT_EQ(t.chart().cell(4, 3), c.mirror);
    }
}

TEST(Editing, RoundRobinXWritesNothingAndTheDiagonalMirrorsItself) {
    Tournament t = Make(TournamentType::RoundRobin, 5);
    t.chart().setCell(5, 2, "");
    Type(t, 5, 2, U"x");
    EXPECT_EQ(t.chart().cell(5, 2), "X");
    auto before = Cells(t.chart());
    t.moveToCell(1, 1);
    EXPECT_EQ(Cells(t.chart()), before);

    t.chart().setCell(5, 2, "");
    Type(t, 5, 2, U"1");
    Enter(t, 5, 2);
    EXPECT_EQ(t.chart().cell(5, 2), "0");
}

TEST(Editing, DoubleRoundRobinMirrorsFirstGameToFirstAndSecondToSecond) {
    Tournament t = Make(TournamentType::DoubleRoundRobin, 3);
    Type(t, 7, 1, U"w"); // row 1, column 2b
    Enter(t, 7, 1);
    EXPECT_EQ(t.chart().cell(5, 2), "0"); // row 2, column 1b
    Type(t, 8, 2, U"d");                  // row 2, column 3a
    Enter(t, 8, 2);
    EXPECT_EQ(t.chart().cell(6, 3), "="); // row 3, column 2a
}

TEST(Editing, RoundRobinTargetOutsideTheChartIsNotWritten) {
    Tournament t = Make(TournamentType::RoundRobin, 10);
    Type(t, 12, 10, U"w"); // the game of player 10 against player 9
    t.setNumPlayers(5);    // the cell is now hidden but still the one committed
    t.chart().setCell(13, 9, "kept");
    t.moveToCell(4, 2);
    EXPECT_EQ(t.chart().cell(13, 9), "kept");
}

TEST(Editing, ClearAllResultsEmptiesResultCellsButTheOwnMarks) {
    Tournament t = Make(TournamentType::RoundRobin, 4);
    t.chart().setCell(1, 1, "Ann");
    t.chart().setCell(2, 2, "123456");
    t.chart().setCell(3, 3, "1500");
    t.chart().setCell(5, 1, "1");
    t.chart().setCell(4, 2, "0");
    t.chart().setCell(9, 2, "hidden column");
    t.chart().setCell(5, 6, "hidden row");
    t.clearAllResults();
    for (int r = 1; r <= 4; ++r) {
        for (int c = ChartColumn::FirstResult; c < 8; ++c)
            EXPECT_EQ(t.chart().cell(c, r), c == r + 3 ? "X" : "") << c << r;
    }
    EXPECT_EQ(t.chart().cell(1, 1), "Ann");
    EXPECT_EQ(t.chart().cell(2, 2), "123456");
    EXPECT_EQ(t.chart().cell(3, 3), "1500");
    EXPECT_EQ(t.chart().cell(0, 4), "4");
    EXPECT_EQ(t.chart().cell(7, 0), "4");
    EXPECT_EQ(t.chart().cell(9, 2), "hidden column");
    EXPECT_EQ(t.chart().cell(5, 6), "hidden row");
}

TEST(Editing, DeleteRowMovesLaterRowsUpAndRenumbersTheirOpponents) {
    Tournament t = Make(TournamentType::Swiss, 12, 2);
    for (int r = 1; r <= 12; ++r) {
        t.chart().setCell(1, r, "P" + std::to_string(r));
        t.chart().setCell(5, r, "W" + std::to_string(r % 12 + 1));
    }
    t.setNumPlayers(10); // rows 11 and 12 stay behind, hidden
    t.deleteRow(4);
    for (int r = 4; r <= 9; ++r) {
        EXPECT_EQ(t.chart().cell(1, r), "P" + std::to_string(r + 1));
        // Renumbered, but for a reference beyond the chart (line 11, hidden).
        EXPECT_EQ(t.chart().cell(5, r), "W" + std::to_string(r < 9 ? r + 1 : 11));
    }
    EXPECT_EQ(t.chart().cell(1, 3), "P3");
    // The last row takes the hidden row beyond the chart, which itself stays.
    EXPECT_EQ(t.chart().cell(1, 10), "P11");
    EXPECT_EQ(t.chart().cell(1, 11), "P11");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(t.chart().cell(0, r), std::to_string(r));
    EXPECT_EQ(t.numPlayers(), 10);
    EXPECT_EQ(t.chart().rowCount(), 11);
}

TEST(Editing, DeleteRowOfAPlainChartLeavesTheLastRowEmpty) {
    Tournament t = Make(TournamentType::Swiss, 10, 1);
    for (int r = 1; r <= 10; ++r)
        t.chart().setCell(1, r, "P" + std::to_string(r));
    t.deleteRow(10);
    EXPECT_EQ(t.chart().cell(1, 10), "");
    EXPECT_EQ(t.chart().cell(1, 9), "P9");
    const auto before = Cells(t.chart());
    t.deleteRow(0);
    t.deleteRow(11);
    EXPECT_EQ(Cells(t.chart()), before);
}

// Mirror tests elsewhere name an opponent in the middle of the chart; the last line is
// where an off-by-one in the bound would show.
TEST(Editing, SwissMirrorReachesTheLastLine) {
    Tournament t = Make(TournamentType::Swiss, 10);
    Type(t, ChartColumn::FirstResult, 3, U"w10");
    Enter(t, ChartColumn::FirstResult, 3);
    EXPECT_EQ(t.chart().cell(ChartColumn::FirstResult, 3), "W10");
    EXPECT_EQ(t.chart().cell(ChartColumn::FirstResult, 10), "L3");
}
