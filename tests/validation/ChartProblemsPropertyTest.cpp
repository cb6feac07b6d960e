// Random charts of every type with random faults: the live check, kept current edit by
// edit, must agree with a fresh whole-chart check and with Validate itself.

#include "ChartProblemsTestSupport.h"
#include "files/ChartFile.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace ranvik;
using ranvik::test::Describe;
using ranvik::test::EnglishLines;
using ranvik::test::FirstDifference;
using ranvik::test::NamedChart;

namespace {

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// Every result agreeing with its opponent's.
void FillConsistent(Tournament& t, std::mt19937& rng) {
    const int n = t.playerRows();
    if (t.rules().columnsAreRounds()) {
        for (int col = ChartColumn::FirstResult; col < t.chart().colCount(); ++col) {
            std::vector<int> order(n);
            std::iota(order.begin(), order.end(), 1);
            std::shuffle(order.begin(), order.end(), rng);
            for (std::size_t k = 0; k + 1 < order.size(); k += 2) {
                const char* pairs[][2] = {{"W", "L"}, {"D", "D"}, {"L", "W"}, {"+", "-"}};
                const auto& pair = pairs[Pick(rng, 0, 3)];
                t.chart().setCell(col, order[k], pair[0] + std::to_string(order[k + 1]));
                t.chart().setCell(col, order[k + 1], pair[1] + std::to_string(order[k]));
            }
            if (n % 2 == 1)
                t.chart().setCell(col, order.back(), "B");
        }
        return;
    }
    const int per = t.type() == TournamentType::DoubleRoundRobin ? 2 : 1;
    for (int a = 1; a <= n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
            for (int game = 0; game < per; ++game) {
                const char* pairs[][2] = {{"1", "0"}, {"=", "="}, {"0", "1"}};
                const auto& pair = pairs[Pick(rng, 0, 2)];
                t.chart().setCell(ChartColumn::FirstResult + per * (b - 1) + game, a, pair[0]);
                t.chart().setCell(ChartColumn::FirstResult + per * (a - 1) + game, b, pair[1]);
            }
        }
    }
}

// One random edit: a cell of any column with a text that may or may not be a fault, or a
// row operation.
void RandomEdit(Tournament& t, std::mt19937& rng) {
    const int rows = t.playerRows();
    const int row = Pick(rng, 1, rows);
    const int choice = Pick(rng, 0, 19);
    Chart& chart = t.chart();
    if (choice == 0) {
        chart.setCell(ChartColumn::Name, row, "");
    } else if (choice == 1) {
        // Now and then another line's name.
        chart.setCell(ChartColumn::Name, row, "N" + std::to_string(Pick(rng, 0, 2) ? row : 1));
    } else if (choice == 2) {
        const char* ratings[] = {"abc", "UNR", "1500", "", "12x", "15000", "-3"};
        chart.setCell(ChartColumn::Rating, row, ratings[Pick(rng, 0, 6)]);
    } else if (choice == 3) {
        const char* numbers[] = {"123456", "12345", "", "654321", "abcdef"};
        chart.setCell(ChartColumn::MemberNumber, row, numbers[Pick(rng, 0, 4)]);
    } else if (choice == 4 && Pick(rng, 0, 3) == 0) {
        t.deleteRow(row);
    } else if (choice == 5 && Pick(rng, 0, 3) == 0) {
        t.sortByRating();
    } else if (choice == 6 && Pick(rng, 0, 5) == 0) {
        t.openRowAt(row);
    } else if (choice == 7) {
        // Text a chart file cannot hold, in any column, or that text mended.
        const char* texts[] = {"\xC5\x81ukasz", "W1\xC5\xBB", "\xC3\xA9t\xC3\xA9"};
        chart.setCell(Pick(rng, 0, chart.colCount() - 1), row, texts[Pick(rng, 0, 2)]);
    } else if (chart.colCount() > ChartColumn::FirstResult) {
        const int col = Pick(rng, ChartColumn::FirstResult, chart.colCount() - 1);
        if (t.rules().columnsAreRounds()) {
            const char* letters[] = {"W", "L", "D", "", "Q", "B", "X", "w", "=", "+", "H", "F"};
            std::string text = letters[Pick(rng, 0, 11)];
            if (Pick(rng, 0, 2) != 0)
                text += std::to_string(Pick(rng, 1, rows + 2));
            chart.setCell(col, row, text);
        } else {
            const char* texts[] = {"1", "0", "=", "", "X", "W", "D", "L", "x"};
            chart.setCell(col, row, texts[Pick(rng, 0, 8)]);
        }
    }
}

// What validation shows when it notes each fault and goes on, from its own per-cell
// checks on a chart Validate has prepared.
std::vector<std::string> ReferenceLines(const Tournament& source) {
    Tournament copy = source;
    ranvik::test::ScriptedPrompt ignore;
    Validate(copy, ignore.prompt());
    std::vector<std::string> lines;
    ChartValidator validator(copy, [&lines](const Message& message) {
        lines.push_back(English(message));
        return InconsistencyAnswer::Ignore;
    });
    for (int row = 1; row <= copy.playerRows(); ++row) {
        for (int col = 1; col < copy.chart().colCount(); ++col) {
            const std::string_view text = copy.chart().cell(col, row);
            const ValidationFault fault = copy.rules().columnsAreRounds()
                                              ? validator.checkSwissCell(text, row, col)
                                              : validator.checkRoundRobinCell(text, row, col);
            if (IsCellFault(fault))
                lines.push_back(English(FaultText({fault, row, col}, copy.rules())));
        }
    }
    return lines;
}

void ExpectSameAsFreshCheck(Tournament& t, ChartProblems& live, const CellFileRule& rule = {}) {
    ChartProblems fresh(t, rule);
    ASSERT_EQ(FirstDifference(Describe(t, live), Describe(t, fresh)), "");
}

void ExpectAgreesWithValidate(Tournament& t, ChartProblems& live) {
    const std::vector<ChartProblem> problems = live.problems();
    Tournament copy = t;
    ranvik::test::ScriptedPrompt stop;
    stop.answer = InconsistencyAnswer::Cancel;
    const ValidationResult first = Validate(copy, stop.prompt());
    ASSERT_EQ(problems.empty(), first.passed() && stop.shown.empty());
    if (!problems.empty()) {
        const ChartCell at{first.col, first.row};
        const bool listed = std::any_of(problems.begin(), problems.end(), [&](const auto& p) {
            return p.fault == first.fault && (p.cell == at || p.other == at);
        });
        ASSERT_TRUE(listed) << "first fault " << English(FaultText(first, t.rules()))
                            << " not listed";
    }
    ASSERT_EQ(FirstDifference(EnglishLines(live.validationLines()), ReferenceLines(t)), "");
}

// The cells the file check lists are those Save refuses: the first is the one it names, and
// it is marked.
void ExpectAgreesWithSave(Tournament& t, ChartProblems& withFile) {
    const ChartBytes saved = EncodeChartFile(t.chart());
    std::vector<Message> unsavable;
    for (const ChartProblem& p : withFile.problems()) {
        if (p.fault == ValidationFault::None)
            unsavable.push_back(p.text);
    }
    ASSERT_EQ(unsavable.empty(), saved.ok);
    if (!saved.ok) {
        ASSERT_EQ(unsavable.front(), saved.message);
        ASSERT_TRUE(withFile.isMarked(saved.col, saved.row));
    }
}

} // namespace

class ChartProblemsProperty : public ::testing::TestWithParam<TournamentType> {};

TEST_P(ChartProblemsProperty, AgreesWithValidationAndAFreshCheckAfterEveryEdit) {
    std::mt19937 rng(20261207U + static_cast<unsigned>(GetParam()));
    for (int chart = 0; chart < 60; ++chart) {
        SCOPED_TRACE("chart " + std::to_string(chart));
        Tournament t = NamedChart(GetParam(), Pick(rng, 2, 8), Pick(rng, 1, 5));
        FillConsistent(t, rng);
        ChartProblems live(t);
        ChartProblems withFile(t, UnsavableCellMessage);
        ExpectAgreesWithValidate(t, live);
        const int edits = Pick(rng, 1, 8);
        for (int edit = 0; edit < edits; ++edit) {
            RandomEdit(t, rng);
            ExpectSameAsFreshCheck(t, live);
            ExpectSameAsFreshCheck(t, withFile, UnsavableCellMessage);
            ExpectAgreesWithSave(t, withFile);
            if (HasFatalFailure())
                return;
        }
        ExpectAgreesWithValidate(t, live);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ChartProblemsProperty,
                         ::testing::Values(TournamentType::Swiss, TournamentType::RoundRobin,
                                           TournamentType::DoubleRoundRobin),
                         ::testing::PrintToStringParamName());
