// Each way a chart changes, on each tournament type: the live check, brought up to date
// by what the chart told it, must hold what a fresh check of the changed chart holds.

#include "ChartProblemsTestSupport.h"
#include "files/ChartFile.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ranvik;
using ranvik::test::Describe;
using ranvik::test::FirstDifference;
using ranvik::test::PlayedChart;

namespace {

constexpr int kR = ChartColumn::FirstResult;

// Line 1 beats line 3 (Swiss: in round 3; a double round robin: line 2, first game).
void TypeWin(Tournament& t) {
    test::TypeAndEnter(t, kR + 2, 1, t.rules().columnsAreRounds() ? U"w3" : U"1");
}

std::vector<std::vector<std::string>> Block(int rows, int cols, const std::string& seed) {
    std::vector<std::vector<std::string>> block(rows, std::vector<std::string>(cols));
    const char* texts[] = {"1", "=", "W2", "", "0", "X", "L1", "Q"};
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            block[r][c] = c == 0 ? seed + std::to_string(r) : texts[(r * 3 + c) % 8];
    }
    return block;
}

struct Operation {
    const char* name;
    std::function<void(Tournament&)> apply;
    bool swissOnly = false;
};

const Operation kOperations[] = {
    {"TypedResultWithOpponentUpdate", TypeWin},
    {"ReplacedResultTakesItsOldMirrorAlong",
     [](Tournament& t) { t.enterCell(kR + 1, 4, t.rules().columnsAreRounds() ? "W6" : "1/2"); }},
    {"ClearedCellsTakeTheirMirrorsAlong",
     [](Tournament& t) {
         t.clearCells({{kR, 1}, {kR, 4}});
     }},
    {"ByeAndForfeitLetters",
     [](Tournament& t) {
         t.enterCell(kR, 2, "B5");
         t.enterCell(kR + 1, 2, "X3");
         t.enterCell(kR + 1, 2, "X0");
     }},
    {"TypeChange",
     [](Tournament& t) {
         t.setType(static_cast<TournamentType>((static_cast<int>(t.type()) + 1) % 3));
     }},
    {"UndoOfATypedResult",
     [](Tournament& t) {
         TypeWin(t);
         t.undo();
     }},
    {"RedoOfATypedResult",
     [](Tournament& t) {
         TypeWin(t);
         t.undo();
         t.redo();
     }},
    {"UndoOfATypeChange",
     [](Tournament& t) {
         t.setType(TournamentType::DoubleRoundRobin == t.type() ? TournamentType::Swiss
                                                                : TournamentType::DoubleRoundRobin);
         t.undo();
     }},
    {"SmallPaste",
     [](Tournament& t) {
         t.pasteBlock(kR, 2, {{"1", "0"}, {"=", "W2"}});
     }},
    {"PasteOfNamesAndResults",
     [](Tournament& t) { t.pasteBlock(ChartColumn::Name, 1, Block(t.playerRows(), 7, "N")); }},
    {"PasteThatEmptiesTheLastNames",
     [](Tournament& t) {
         t.pasteBlock(ChartColumn::Name, t.playerRows() - 2, {{""}, {""}, {""}});
     }},
    {"SortByRating", [](Tournament& t) { t.sortByRating(); }, true},
    {"DeleteRow", [](Tournament& t) { t.deleteRow(4); }},
    {"OpenRowAt", [](Tournament& t) { t.openRowAt(3); }},
    {"ClearAllResults", [](Tournament& t) { t.clearAllResults(); }},
    {"LoadOfAnotherChart",
     [](Tournament& t) {
         Tournament other = PlayedChart(t.type(), 7, 3);
         other.chart().setCell(kR + 1, 2, "Q");
         other.chart().setCell(1, 5, "");
         ASSERT_TRUE(ReadChartFile(t, EncodeChartFile(other.chart()).bytes).ok);
     }},
};

struct UpdateCase {
    TournamentType type;
    Operation operation;
};

std::vector<UpdateCase> AllCases() {
    std::vector<UpdateCase> cases;
    for (const auto type :
         {TournamentType::Swiss, TournamentType::RoundRobin, TournamentType::DoubleRoundRobin}) {
        for (const Operation& operation : kOperations) {
            if (!operation.swissOnly || type == TournamentType::Swiss)
                cases.push_back({type, operation});
        }
    }
    return cases;
}

// Twelve lines with some of everything: an invalid rating, a repeated and a short
// membership number, an unnamed line that results point at, an inconsistent pair.
Tournament ChartWithFaults(TournamentType type) {
    Tournament t = PlayedChart(type, 12, 4);
    Chart& chart = t.chart();
    chart.setCell(ChartColumn::Rating, 2, "abc");
    chart.setCell(ChartColumn::MemberNumber, 5, "100003");
    chart.setCell(ChartColumn::MemberNumber, 6, "123");
    chart.setCell(ChartColumn::Name, 9, "");
    chart.setCell(kR + 1, 7, t.rules().columnsAreRounds() ? "W1" : "1");
    return t;
}

std::string CaseName(const ::testing::TestParamInfo<UpdateCase>& info) {
    const std::string types[] = {"Swiss", "RoundRobin", "Double"};
    return types[static_cast<int>(info.param.type)] + info.param.operation.name;
}

void PrintTo(const UpdateCase& c, std::ostream* os) {
    *os << CaseName({c, 0});
}

} // namespace

class LiveCheckUpdate : public ::testing::TestWithParam<UpdateCase> {};

TEST_P(LiveCheckUpdate, AgreesWithAFreshCheck) {
    Tournament t = ChartWithFaults(GetParam().type);
    ChartProblems live(t);
    ASSERT_GT(live.faultCount(), 0);
    ASSERT_GT(live.warningCount(), 0);

    GetParam().operation.apply(t);

    ChartProblems fresh(t);
    EXPECT_EQ(FirstDifference(Describe(t, live), Describe(t, fresh)), "");
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, LiveCheckUpdate, ::testing::ValuesIn(AllCases()),
                         CaseName);
