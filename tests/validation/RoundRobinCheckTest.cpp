#include "ValidationTestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::NamedChart;
using ranvik::test::ScriptedPrompt;

namespace {
// Fills every game: the lower row wins (single) or wins the first and loses the second
// (double).
void FillGames(Tournament& t) {
    const int n = t.numPlayers();
    const bool isDouble = t.type() == TournamentType::DoubleRoundRobin;
    for (int r = 1; r <= n; ++r) {
        for (int o = 1; o <= n; ++o) {
            if (r == o)
                continue;
            if (isDouble) {
                const int first = ChartColumn::FirstResult + 2 * (o - 1);
                t.chart().setCell(first, r, r < o ? "1" : "0");
                t.chart().setCell(first + 1, r, r < o ? "0" : "W");
            } else {
                t.chart().setCell(ChartColumn::FirstResult + o - 1, r, r < o ? "1" : "0");
            }
        }
    }
}
} // namespace

TEST(RoundRobinValidate, CompleteChartsPass) {
    for (const auto type : {TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        Tournament t = NamedChart(type, 4);
        FillGames(t);
        ScriptedPrompt answers;
        EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
        EXPECT_TRUE(answers.shown.empty());
    }
}

// The first fault, or the first inconsistency (answered Cancel), stops the scan at its cell.
TEST(RoundRobinValidate, TheFirstFaultStopsTheScanAtItsCell) {
    constexpr int kR = ChartColumn::FirstResult;
    const auto single = TournamentType::RoundRobin;
    const auto twice = TournamentType::DoubleRoundRobin;
    struct Write {
        int col, row;
        const char* text;
    };
    struct Case {
        TournamentType type;
        std::vector<Write> writes;
        int wider; // columns beyond the layout
        ValidationResult first;
    };
    const Case cases[] = {
        {single, {{kR + 2, 3, ""}}, 0, {ValidationFault::OwnCellNotX, 3, kR + 2}},
        {single, {{kR + 2, 3, "x"}}, 0, {ValidationFault::OwnCellNotX, 3, kR + 2}},
        {single, {{kR + 2, 3, " X"}}, 0, {ValidationFault::OwnCellNotX, 3, kR + 2}},
        {single, {{kR + 2, 3, "1"}}, 0, {ValidationFault::OwnCellNotX, 3, kR + 2}},
        {twice, {{kR + 5, 3, ""}}, 0, {ValidationFault::OwnCellNotX, 3, kR + 5}},
        // A game left empty on both sides.
        {single,
         {{kR + 2, 2, ""}, {kR + 1, 3, ""}},
         0,
         {ValidationFault::InconsistentResults, 2, kR + 2}},
        // Two wins against 2 while 2 shows a loss then a win: the second game disagrees.
        {twice, {{kR + 3, 1, "1"}}, 0, {ValidationFault::InconsistentResults, 1, kR + 3}},
        {single, {}, 2, {ValidationFault::InvalidResult, 1, kR + 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(English(FaultText(c.first, RulesFor(c.type))));
        Tournament t = NamedChart(c.type, 4);
        FillGames(t);
        for (const Write& w : c.writes)
            t.chart().setCell(w.col, w.row, w.text);
        t.chart().setColCount(t.chart().colCount() + c.wider);
        ScriptedPrompt answers;
        answers.answer = InconsistencyAnswer::Cancel;
        EXPECT_EQ(FaultText(Validate(t, answers.prompt()), t.rules()),
                  FaultText(c.first, t.rules()));
    }
}

TEST(RoundRobinValidate, XOffTheDiagonalIsNotCompared) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 4);
    FillGames(t);
    t.chart().setCell(ChartColumn::FirstResult + 3, 1, "X"); // mirror (col 4, row 4) holds 0
    ScriptedPrompt answers;
    ChartValidator validator(t, answers.prompt());
    EXPECT_EQ(validator.checkRoundRobinCell("X", 1, ChartColumn::FirstResult + 3),
              ValidationFault::None);
    EXPECT_TRUE(answers.shown.empty());
    // Its mirror is compared though: 0 + 0 is not a game.
    EXPECT_EQ(validator.checkRoundRobinCell("0", 4, ChartColumn::FirstResult),
              ValidationFault::None);
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0], "Inconsistent results found. Line 4, player 1.");
}

TEST(RoundRobinValidate, DrawsAndLettersMirrorByPoints) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 2);
    t.chart().setCell(ChartColumn::FirstResult + 1, 1, "D");
    t.chart().setCell(ChartColumn::FirstResult, 2, "=");
    ScriptedPrompt answers;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_TRUE(answers.shown.empty());
}

// A chart taller than the bands validation reads its table in (64 lines, 32 for a double
// round robin): every question, in scan order, as the check of each single cell asks it.
TEST(RoundRobinValidate, ALargeChartAsksWhatEachCellsOwnCheckAsksInOrder) {
    for (const auto type : {TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        SCOPED_TRACE(static_cast<int>(type));
        Tournament t = NamedChart(type, 70);
        FillGames(t);
        const int per = type == TournamentType::DoubleRoundRobin ? 2 : 1;
        struct Write {
            int row, opponent;
            const char* text;
        };
        for (const Write& w : {Write{1, 70, "="}, Write{33, 32, "1"}, Write{64, 65, "X"},
                               Write{65, 1, ""}, Write{70, 69, "="}})
            t.chart().setCell(ChartColumn::FirstResult + per * (w.opponent - 1), w.row, w.text);
        ScriptedPrompt cellByCell;
        ChartValidator cells(t, cellByCell.prompt());
        for (int row = 1; row <= 70; ++row) {
            for (int col = ChartColumn::FirstResult; col < t.chart().colCount(); ++col)
                cells.checkRoundRobinCell(t.chart().cell(col, row), row, col);
        }
        ScriptedPrompt asked;
        EXPECT_EQ(Validate(t, asked.prompt()).fault, ValidationFault::None);
        EXPECT_EQ(asked.shown, cellByCell.shown);
        EXPECT_EQ(asked.shown.size(), 7U); // a loss left empty still adds up to the game
    }
}
