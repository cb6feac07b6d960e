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

TEST(RoundRobinValidate, CompleteChartPasses) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 4);
    FillGames(t);
    ScriptedPrompt answers;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_TRUE(answers.shown.empty());
}

TEST(RoundRobinValidate, MissingOrLowerCaseXOnTheDiagonalGivesFive) {
    for (const char* own : {"", "x", " X", "1"}) {
        Tournament t = NamedChart(TournamentType::RoundRobin, 4);
        FillGames(t);
        t.chart().setCell(ChartColumn::FirstResult + 2, 3, own);
        ScriptedPrompt answers;
        const ValidationResult result = Validate(t, answers.prompt());
        EXPECT_EQ(result.fault, ValidationFault::OwnCellNotX) << '"' << own << '"';
        EXPECT_EQ(result.row, 3);
        EXPECT_EQ(result.col, ChartColumn::FirstResult + 2);
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
    EXPECT_EQ(answers.shown[0], "Inconsistent results found. Line 4 column 4.");
}

TEST(RoundRobinValidate, EmptyGameIsReportedAndCancelGivesSeven) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 3);
    FillGames(t);
    t.chart().setCell(ChartColumn::FirstResult + 2, 2, "");
    t.chart().setCell(ChartColumn::FirstResult + 1, 3, "");
    ScriptedPrompt answers;
    answers.answer = InconsistencyAnswer::Cancel;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::InconsistentResults);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.col, ChartColumn::FirstResult + 2);
}

TEST(RoundRobinValidate, DrawsAndLettersMirrorByPoints) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 2);
    t.chart().setCell(ChartColumn::FirstResult + 1, 1, "D");
    t.chart().setCell(ChartColumn::FirstResult, 2, "=");
    ScriptedPrompt answers;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_TRUE(answers.shown.empty());
}

TEST(RoundRobinValidate, MoreColumnsThanPlayersGivesOneAtTheFirstExtraColumn) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 3);
    FillGames(t);
    t.chart().setColCount(ChartColumn::FirstResult + 5);
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::InvalidResult);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(result.col, ChartColumn::FirstResult + 3);
}

TEST(DoubleRoundRobinValidate, EachGameMirrorsTheSameGameOfTheOpponent) {
    Tournament t = NamedChart(TournamentType::DoubleRoundRobin, 3);
    FillGames(t);
    ScriptedPrompt answers;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_TRUE(answers.shown.empty());

    // Player 1 wins both games against 2 while 2 shows a loss then a win: the second
    // game disagrees, the first does not.
    t.chart().setCell(ChartColumn::FirstResult + 3, 1, "1");
    answers.answer = InconsistencyAnswer::Cancel;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::InconsistentResults);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(result.col, ChartColumn::FirstResult + 3);
}

TEST(DoubleRoundRobinValidate, BothOwnColumnsMustHoldX) {
    Tournament t = NamedChart(TournamentType::DoubleRoundRobin, 3);
    FillGames(t);
    t.chart().setCell(ChartColumn::FirstResult + 5, 3, "");
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::OwnCellNotX);
    EXPECT_EQ(result.row, 3);
    EXPECT_EQ(result.col, ChartColumn::FirstResult + 5);
}
