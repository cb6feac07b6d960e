#include "ValidationTestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::NamedChart;
using ranvik::test::ScriptedPrompt;

TEST(ValidateRows, TrailingUnnamedRowsAreDroppedBeforeTheScan) {
    Tournament t = NamedChart(TournamentType::Swiss, 8);
    for (int r = 6; r <= 8; ++r)
        t.chart().setCell(1, r, "");
    t.chart().setCell(4, 7, "Q"); // would be code 1 if row 7 were still scanned
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::None);
    EXPECT_EQ(t.numPlayers(), 5);
    EXPECT_EQ(t.playerRows(), 5);
    EXPECT_TRUE(answers.shown.empty());
}

TEST(ValidateRows, UnnamedRowFollowedByNamedRowStaysAndIsReported) {
    Tournament t = NamedChart(TournamentType::Swiss, 5);
    t.chart().setCell(1, 3, "");
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(t.numPlayers(), 5);
    EXPECT_EQ(result.fault, ValidationFault::MissingName);
    EXPECT_EQ(result.row, 3);
    EXPECT_EQ(result.col, 1);
    EXPECT_EQ(FaultText(result), "Missing name. Line 3 column 1.");
}

TEST(ValidateRows, SingleNamedRowIsCutToTheMinimumOfTwoPlayers) {
    Tournament t;
    t.layOutStartChart();
    t.chart().setCell(1, 1, "Alone");
    t.setModified(false);
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(t.numPlayers(), 2);
    EXPECT_EQ(t.chart().rowCount(), 3);
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(result.fault, ValidationFault::MissingName);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.col, 1);
}

TEST(ValidateRows, SingleNamedRowWithCountAlreadyAtMinimumStillShowsTwoRows) {
    Tournament t = NamedChart(TournamentType::Swiss, 2);
    t.chart().setCell(1, 2, "");
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(t.numPlayers(), 2);
    EXPECT_EQ(t.playerRows(), 2);
    EXPECT_EQ(result.fault, ValidationFault::MissingName);
    EXPECT_EQ(result.row, 2);
}

TEST(ValidateRows, NoNamesAtAllKeepsRowOneAndReportsIt) {
    Tournament t;
    t.layOutStartChart();
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::MissingName);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(result.col, 1);
}

TEST(ValidateRows, RoundRobinCutLaysTheChartOutAgain) {
    Tournament t = NamedChart(TournamentType::RoundRobin, 6);
    t.chart().setCell(1, 5, "");
    t.chart().setCell(1, 6, "");
    // Results of the four remaining players: 1 beats everyone, the rest draw.
    for (int r = 1; r <= 4; ++r) {
        for (int o = 1; o <= 4; ++o) {
            if (r == o)
                continue;
            std::string cell = "=";
            if (r == 1)
                cell = "1";
            if (o == 1)
                cell = "0";
            t.chart().setCell(ChartColumn::FirstResult + o - 1, r, cell);
        }
    }
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::None);
    EXPECT_EQ(t.chart().colCount(), ChartColumn::FirstResult + 4);
    EXPECT_TRUE(answers.shown.empty());
}

TEST(ValidateRows, FaultsAreFoundInRowMajorOrderLeftmostFirst) {
    Tournament t = NamedChart(TournamentType::Swiss, 4, 2);
    t.chart().setCell(5, 2, "Q1");  // row 2, column 5
    t.chart().setCell(3, 3, "abc"); // row 3, column 3
    t.chart().setCell(3, 2, "abc"); // row 2, column 3: leftmost fault of row 2
    ScriptedPrompt answers;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::InvalidRating);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.col, 3);
}
