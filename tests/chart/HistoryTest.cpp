// Undo and redo of every kind of change, the modified state following the history, and a
// random walk of edits undone to the start and redone to the end.

#include "Charts.h"
#include "chart/Tournament.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace ranvik;

namespace {

Tournament Make(TournamentType type, int players, int rounds = 3) {
    Tournament t = test::UnmodifiedChart(type, players, rounds);
    t.forgetHistory();
    return t;
}

// Every stored cell in a region wider than any chart here, hidden ones included, and the
// shape: two equal snapshots are the same chart for every purpose.
struct Snapshot {
    ChartShape shape;
    std::vector<std::string> cells;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Tournament& t) {
    Snapshot s{t.shape(), {}};
    for (int r = 0; r <= 40; ++r) {
        for (int c = 0; c <= 48; ++c)
            s.cells.emplace_back(t.chart().cell(c, r));
    }
    return s;
}

void TypeResult(Tournament& t, int col, int row, const std::u32string& keys) {
    test::TypeAndEnter(t, col, row, keys);
}

// A Swiss chart of 12 players and 4 rounds, every game played and mirrored.
Tournament PlayedSwiss() {
    Tournament t = Make(TournamentType::Swiss, 12, 4);
    for (int r = 1; r <= 12; ++r) {
        t.chart().setCell(1, r, "P" + std::to_string(r));
        t.chart().setCell(3, r, std::to_string(1500 + 37 * (r % 5)));
        for (int k = 0; k < 4; ++k) {
            const int opponent = (r - 1 + 2 * k + 1) % 12 + 1;
            t.chart().setCell(4 + k, r, (r < opponent ? "W" : "L") + std::to_string(opponent));
        }
    }
    t.forgetHistory();
    t.setModified(false);
    return t;
}

struct StepCase {
    const char* name;
    TournamentType type;
    std::function<void(Tournament&)> change;
    std::string stepName;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class HistoryStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(HistoryStep, UndoGivesTheChartBackAndRedoTheChange) {
    const StepCase& step = GetParam();
    Tournament t = PlayedSwiss();
    if (step.type != TournamentType::Swiss) {
        t.setType(step.type);
        t.chart().setCell(6, 2, "1");
        t.chart().setCell(5, 3, "0");
        t.forgetHistory();
        t.setModified(false);
    }
    const Snapshot before = Take(t);
    step.change(t);
    const Snapshot after = Take(t);
    ASSERT_NE(before, after);
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(English(t.history().undoName()), step.stepName);

    ASSERT_TRUE(t.undo());
    EXPECT_EQ(Take(t), before);
    EXPECT_FALSE(t.modified()) << "back at the saved state";
    EXPECT_EQ(English(t.history().redoName()), step.stepName);
    EXPECT_FALSE(t.undo());

    ASSERT_TRUE(t.redo());
    EXPECT_EQ(Take(t), after);
    EXPECT_TRUE(t.modified());
    EXPECT_FALSE(t.redo());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HistoryStep,
    ::testing::Values(
        StepCase{"TypedResult", TournamentType::Swiss,
                 [](Tournament& t) { TypeResult(t, 5, 3, U"w5"); }, "Result W5 in line 3"},
        StepCase{"TypedName", TournamentType::Swiss,
                 [](Tournament& t) { t.enterCell(1, 2, "Ann"); }, "Name in line 2"},
        StepCase{"ClearCells", TournamentType::Swiss,
                 [](Tournament& t) {
                     t.clearCells({{4, 1}, {5, 1}, {1, 2}});
                 },
                 "Clear cells"},
        StepCase{"DeleteRow", TournamentType::Swiss, [](Tournament& t) { t.deleteRow(3); },
                 "Delete row"},
        StepCase{"InsertRow", TournamentType::Swiss, [](Tournament& t) { t.openRowAt(4); },
                 "Insert row"},
        StepCase{"ClearAllResults", TournamentType::Swiss,
                 [](Tournament& t) { t.clearAllResults(); }, "Clear all results"},
        StepCase{"Sort", TournamentType::Swiss, [](Tournament& t) { t.sortByRating(); },
                 "Sort by rating"},
        StepCase{"Paste", TournamentType::Swiss,
                 [](Tournament& t) {
                     t.pasteBlock(1, 11, {{"Zed", "123456", "1700"}, {"Yu"}});
                 },
                 "Paste"},
        StepCase{"FewerPlayers", TournamentType::Swiss, [](Tournament& t) { t.setNumPlayers(5); },
                 "Number of players"},
        StepCase{"MoreRounds", TournamentType::Swiss, [](Tournament& t) { t.setNumRounds(9); },
                 "Number of rounds"},
        StepCase{"SwissToRoundRobin", TournamentType::Swiss,
                 [](Tournament& t) { t.setType(TournamentType::RoundRobin); }, "Tournament type"},
        StepCase{"RoundRobinToDouble", TournamentType::RoundRobin,
                 [](Tournament& t) { t.setType(TournamentType::DoubleRoundRobin); },
                 "Tournament type"},
        StepCase{"RoundRobinFewerPlayers", TournamentType::RoundRobin,
                 [](Tournament& t) { t.setNumPlayers(4); }, "Number of players"},
        StepCase{"RoundRobinClear", TournamentType::RoundRobin,
                 [](Tournament& t) { t.clearAllResults(); }, "Clear all results"},
        StepCase{"GroupedByTheCaller", TournamentType::Swiss,
                 [](Tournament& t) {
                     const Tournament::Step step(t, Message(MessageKind::UndoLoadPlayer));
                     t.setNumPlayers(13);
                     t.openRowAt(2);
                     t.chart().setCell(1, 2, "New");
                 },
                 "Load player"}),
    [](const auto& info) { return std::string(info.param.name); });

// Cells that all came back to their text make no step: its Undo would do nothing, and the
// chart would count as modified.
TEST(History, AChangeThatLeavesEveryCellAsItWasIsNoStep) {
    Tournament pasted = PlayedSwiss();
    std::vector<std::vector<std::string>> block(3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 1; c <= 5; ++c)
            block[r].emplace_back(pasted.chart().cell(c, 2 + r));
    }
    pasted.pasteBlock(1, 2, block);
    Tournament typed = Make(TournamentType::Swiss, 10);
    TypeResult(typed, 5, 3, U"W5\b\b"); // typed, erased, and the cell left
    for (const Tournament* t : {&pasted, &typed}) {
        EXPECT_FALSE(t->history().canUndo())
            << "a step that changes nothing: " << English(t->history().undoName());
        EXPECT_FALSE(t->modified());
    }
}

TEST(History, ModifiedFollowsTheSavedStep) {
    Tournament t = Make(TournamentType::Swiss, 10);
    TypeResult(t, 4, 1, U"w2");
    t.setModified(false); // saved here
    TypeResult(t, 4, 3, U"w4");
    EXPECT_TRUE(t.modified());
    t.undo();
    EXPECT_FALSE(t.modified());
    t.undo();
    EXPECT_TRUE(t.modified()) << "before the saved state";
    t.redo();
    EXPECT_FALSE(t.modified());
    // A new change after undoing past the saved state makes it unreachable.
    t.undo();
    TypeResult(t, 4, 5, U"l6");
    t.undo();
    EXPECT_TRUE(t.modified());
    EXPECT_FALSE(t.redo() && !t.modified());
}

TEST(History, DeleteAndInsertRowKeepEveryResultOnItsPlayer) {
    Tournament t = PlayedSwiss();
    const std::string beforeRow5 = std::string(t.chart().cell(4, 5)); // W6
    t.deleteRow(3);
    EXPECT_EQ(t.chart().cell(4, 4), "W5") << "row 5 moved up, its opponent 6 too";
    EXPECT_EQ(beforeRow5, "W6");
    EXPECT_EQ(t.chart().cell(4, 2), "") << "the other half of a game of the deleted player";
    t.undo();
    t.openRowAt(2);
    EXPECT_EQ(t.chart().cell(1, 2), "");
    EXPECT_EQ(t.chart().cell(1, 3), "P2");
    EXPECT_EQ(t.chart().cell(4, 2 + 1), "W4") << "P2 played P3, now in line 4";
    EXPECT_EQ(t.chart().cell(4, 1), "W3");
}

TEST(History, TypeSwitchCountsTheResultsItOverwritesOrHides) {
    Tournament t = Make(TournamentType::DoubleRoundRobin, 6);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 4; c < 16; ++c) {
            if (t.chart().cell(c, r) != "X")
                t.chart().setCell(c, r, "1");
        }
    }
    t.finishCellEdit();
    // Rows 2..6 would lose a result to their new own X; columns 10..15 go out of sight with
    // 30 results (the own cells of rows 4..6 among them are no results).
    const LayoutLoss loss = t.layoutLoss(TournamentType::RoundRobin, 6, 1);
    EXPECT_EQ(loss.overwritten, 5);
    EXPECT_EQ(loss.hidden, 6 * 6 - 6);
    t.setType(TournamentType::RoundRobin);
    t.setType(TournamentType::DoubleRoundRobin);
    t.undo();
    t.undo();
    for (int r = 1; r <= 6; ++r) {
        for (int c = 4; c < 16; ++c)
            EXPECT_EQ(t.chart().cell(c, r), (c - 4) / 2 == r - 1 ? "X" : "1") << c << "," << r;
    }
}

TEST(History, OldestStepsGoBeyondTheMemoryCap) {
    Tournament t = Make(TournamentType::Swiss, 10);
    t.chart().history().setMemoryCap(20 * 1024);
    for (int k = 0; k < 1000; ++k)
        TypeResult(t, 4, 1 + k % 9, k % 2 ? U"w10" : U"l10");
    EXPECT_LE(t.history().memoryBytes(), 20U * 1024);
    EXPECT_GT(t.history().stepCount(), 20U);
    EXPECT_LT(t.history().stepCount(), 1000U);
    while (t.undo()) {
    }
    EXPECT_TRUE(t.modified()) << "the saved state was dropped";
}

// Random edits of every kind, undone to the start, give the first chart cell for cell;
// redone to the end, the last.
TEST(History, RandomWalkUndoneAndRedone) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        Tournament t = PlayedSwiss();
        const Snapshot first = Take(t);
        for (int k = 0; k < 60; ++k) {
            const int row = pick(1, t.playerRows());
            const int col = pick(1, t.chart().colCount() - 1);
            switch (pick(0, 9)) {
            case 0:
                t.setType(static_cast<TournamentType>(pick(0, 2)));
                break;
            case 1:
                t.setNumPlayers(pick(2, 30));
                break;
            case 2:
                t.setNumRounds(pick(1, 12));
                break;
            case 3:
                t.sortByRating();
                break;
            case 4:
                t.deleteRow(row);
                break;
            case 5:
                t.openRowAt(row);
                break;
            case 6:
                t.clearCells({{col, row}, {1, row}});
                break;
            case 7:
                t.pasteBlock(col, row, {{"a", "b"}, {"1500"}});
                break;
            default:
                TypeResult(t, std::max(col, 4), row,
                           t.rules().columnsAreRounds()
                               ? U"w" + std::u32string(1, U'1' + pick(0, 8))
                               : U"1");
            }
        }
        const Snapshot last = Take(t);
        while (t.undo()) {
        }
        ASSERT_EQ(Take(t), first) << "seed " << seed;
        EXPECT_FALSE(t.modified());
        while (t.redo()) {
        }
        ASSERT_EQ(Take(t), last) << "seed " << seed;
    }
}

} // namespace
