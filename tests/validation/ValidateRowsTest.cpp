#include "ValidationTestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::NamedChart;
using ranvik::test::ScriptedPrompt;

// Trailing unnamed lines are dropped before the scan (the count following, down to its
// minimum of two), other unnamed lines are faults, and the first fault in row-major order
// is the one given.
TEST(ValidateRows, TheCheckedLinesAndTheFirstFault) {
    struct Write {
        int col, row;
        const char* text;
    };
    struct Case {
        const char* name;
        int players; // a named Swiss chart, or 0 for the start chart with no names
        std::vector<Write> writes;
        ValidationResult first;
        int playersAfter;
        bool relaid; // the chart changed, and counts as modified
    };
    const Case cases[] = {
        {"three trailing unnamed lines, a fault in one of them",
         8,
         {{1, 6, ""}, {1, 7, ""}, {1, 8, ""}, {4, 7, "Q"}},
         {},
         5,
         true},
        {"an unnamed line before a named one",
         5,
         {{1, 3, ""}},
         {ValidationFault::MissingName, 3, 1},
         5,
         false},
        {"one named line of ten",
         0,
         {{1, 1, "Alone"}},
         {ValidationFault::MissingName, 2, 1},
         2,
         true},
        {"one named line of two", 2, {{1, 2, ""}}, {ValidationFault::MissingName, 2, 1}, 2, true},
        {"no name at all", 0, {}, {ValidationFault::MissingName, 1, 1}, 2, true},
        {"the leftmost of a line's faults",
         4,
         {{5, 2, "Q1"}, {3, 3, "abc"}, {3, 2, "abc"}},
         {ValidationFault::InvalidRating, 2, 3},
         4,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tournament t = c.players ? NamedChart(TournamentType::Swiss, c.players, 2) : Tournament();
        if (!c.players)
            t.layOutStartChart();
        for (const Write& w : c.writes)
            t.chart().setCell(w.col, w.row, w.text);
        t.setModified(false);
        ScriptedPrompt answers;
        const ValidationResult result = Validate(t, answers.prompt());
        EXPECT_EQ(FaultText(result, t.rules()), FaultText(c.first, t.rules()));
        EXPECT_EQ(t.numPlayers(), c.playersAfter);
        EXPECT_EQ(t.playerRows(), c.playersAfter);
        EXPECT_EQ(t.modified(), c.relaid);
        EXPECT_TRUE(answers.shown.empty());
    }
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
