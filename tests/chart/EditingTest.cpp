// The director's edits on each tournament type, one table row each: the chart before, the
// edit, the chart after. A line reads "name|result|result|...", a field per result column,
// so both cells of a game can be read side by side. Every edit is one undo step, and the
// chart is modified exactly when the edit changed it.

#include "Charts.h"
#include "chart/TabSeparated.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {

using Lines = std::vector<std::string>;
constexpr auto kSwiss = TournamentType::Swiss;
constexpr auto kSingle = TournamentType::RoundRobin;
constexpr auto kDouble = TournamentType::DoubleRoundRobin;

Lines Fields(const std::string& line) {
    Lines fields(1);
    for (const char c : line) {
        if (c == '|')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

Tournament Chart(TournamentType type, const Lines& lines) {
    const int results = static_cast<int>(Fields(lines.front()).size()) - 1;
    Tournament t = test::UnmodifiedChart(type, static_cast<int>(lines.size()), results);
    for (int r = 1; r <= static_cast<int>(lines.size()); ++r) {
        const Lines fields = Fields(lines[r - 1]);
        t.chart().setCell(ChartColumn::Name, r, fields[0]);
        for (int k = 1; k <= results; ++k)
            t.chart().setCell(ChartColumn::FirstResult + k - 1, r, fields[k]);
    }
    t.forgetHistory();
    return t;
}

Lines LinesOf(const Tournament& t) {
    Lines lines;
    for (int r = 1; r <= t.playerRows(); ++r) {
        std::string line(t.chart().cell(ChartColumn::Name, r));
        for (int c = ChartColumn::FirstResult; c < t.chart().colCount(); ++c)
            line += "|" + std::string(t.chart().cell(c, r));
        lines.push_back(line);
    }
    return lines;
}

// An edit at (line, result column counted from 1).
struct Edit {
    enum Kind { Type, Enter, Clear, Cut, Paste, DeleteRow } kind = Type;
    int row = 0;
    int k = 0;
    std::string text; // the keys typed, or the block pasted
    int lastRow = 0, lastK = 0;
};
Edit Type(int row, int k, std::string keys) {
    return {Edit::Type, row, k, std::move(keys), 0, 0};
}
Edit Enter(int row, int k) { // Enter on the cell as it is
    return {Edit::Enter, row, k, {}, 0, 0};
}
Edit Clear(int row, int k) {
    return {Edit::Clear, row, k, {}, 0, 0};
}
Edit Cut(int row, int k, int lastRow, int lastK) {
    return {Edit::Cut, row, k, {}, lastRow, lastK};
}
Edit Paste(int row, int k, std::string block) {
    return {Edit::Paste, row, k, std::move(block), 0, 0};
}
Edit DeleteRow(int row) {
    return {Edit::DeleteRow, row, 0, {}, 0, 0};
}

void Apply(Tournament& t, const Edit& e) {
    const int col = ChartColumn::FirstResult + e.k - 1;
    std::vector<CellAt> block;
    switch (e.kind) {
    case Edit::Type:
        test::TypeAndEnter(t, col, e.row, std::u32string(e.text.begin(), e.text.end()));
        break;
    case Edit::Enter:
        t.enterCell(col, e.row, std::string(t.chart().cell(col, e.row)));
        break;
    case Edit::Clear:
        t.clearCells({{col, e.row}});
        break;
    case Edit::Cut:
        for (int r = e.row; r <= e.lastRow; ++r)
            for (int k = e.k; k <= e.lastK; ++k)
                block.push_back({ChartColumn::FirstResult + k - 1, r});
        t.clearCells(block);
        break;
    case Edit::Paste:
        t.pasteBlock(col, e.row, ParseTabSeparated(e.text));
        break;
    case Edit::DeleteRow:
        t.deleteRow(e.row);
        break;
    }
}

struct EditCase {
    const char* name;
    TournamentType type;
    Lines before;
    Edit edit;
    Lines after;
};

const Lines kSwissEmpty = {"P1||", "P2||", "P3||", "P4||", "P5||"};
const Lines kSingleEmpty = {"P1|X|||", "P2||X||", "P3|||X|", "P4||||X"};
const Lines kDoubleEmpty = {"P1|X|X||||", "P2|||X|X||", "P3|||||X|X"};

const EditCase kCases[] = {
    // Swiss: five lines, two rounds.
    {"SwissEnterWritesTheMirrorUpToTheLastLine",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "w5"),
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"}},
    {"SwissFrenchResult",
     kSwiss,
     kSwissEmpty,
     Type(3, 2, "g5"),
     {"P1||", "P2||", "P3||G5", "P4||", "P5||P3"}},
    {"SwissSymbolResult",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "-5"),
     {"P1||", "P2||", "P3|-5|", "P4||", "P5|+3|"}},
    {"SwissDrawWithABlank",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "e 5"),
     {"P1||", "P2||", "P3|E 5|", "P4||", "P5|E3|"}},
    {"SwissReplaceClearsTheOldMirror",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Type(3, 1, "w4"),
     {"P1||", "P2||", "P3|W4|", "P4|L3|", "P5||"}},
    {"SwissReplaceKeepsACellTypedOtherwise",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|D3|"},
     Type(3, 1, "w4"),
     {"P1||", "P2||", "P3|W4|", "P4|L3|", "P5|D3|"}},
    {"SwissReplaceOnTheSameOpponent",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Type(3, 1, "d5"),
     {"P1||", "P2||", "P3|D5|", "P4||", "P5|D3|"}},
    {"SwissEnterAgainWritesTheMirrorAgain",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|D3|"},
     Enter(3, 1),
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"}},
    // Line 5's old result named line 3, whose cell held its exact mirror.
    {"SwissEnterOverTheOpponentsOtherGame",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Type(4, 1, "w5"),
     {"P1||", "P2||", "P3||", "P4|W5|", "P5|L4|"}},
    {"SwissClearTakesTheMirrorAlong",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Clear(3, 1),
     kSwissEmpty},
    {"SwissClearLeavesACellTypedOtherwise",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|W3|"},
     Clear(3, 1),
     {"P1||", "P2||", "P3||", "P4||", "P5|W3|"}},
    {"SwissCutOfTwoGames",
     kSwiss,
     {"P1||W2", "P2|W4|L1", "P3|D5|", "P4|L2|", "P5|D3|"},
     Cut(2, 1, 3, 1),
     {"P1||W2", "P2||L1", "P3||", "P4||", "P5||"}},
    {"SwissPasteClearsTheOldMirrorAndWritesNone",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Paste(3, 1, "L4"),
     {"P1||", "P2||", "P3|L4|", "P4||", "P5||"}},
    {"SwissPasteOfBothHalvesKeepsThem",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Paste(3, 1, "W4\nL3"),
     {"P1||", "P2||", "P3|W4|", "P4|L3|", "P5||"}},
    {"SwissDeleteRowClearsTheResultsNamingIt",
     kSwiss,
     {"P1|W4|", "P2|=5|", "P3||", "P4|L1|", "P5|=2|"},
     DeleteRow(4),
     {"P1||", "P2|=4|", "P3||", "P5|=2|", "||"}},
    {"SwissSelfReferenceWritesNoMirror",
     kSwiss,
     kSwissEmpty,
     Type(4, 1, "w4"),
     {"P1||", "P2||", "P3||", "P4|W4|", "P5||"}},
    {"SwissSelfReferenceEnteredAgainStays",
     kSwiss,
     {"P1||", "P2||", "P3||", "P4|W4|", "P5||"},
     Enter(4, 1),
     {"P1||", "P2||", "P3||", "P4|W4|", "P5||"}},
    {"SwissTypoLeavesTheOpponentsCell",
     kSwiss,
     {"P1||", "P2||", "P3||", "P4||", "P5|W3|"},
     Type(3, 1, "q5"),
     {"P1||", "P2||", "P3|Q5|", "P4||", "P5|W3|"}},
    {"SwissTypoOverAResultTakesItsMirror",
     kSwiss,
     {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"},
     Type(3, 1, "q5"),
     {"P1||", "P2||", "P3|Q5|", "P4||", "P5||"}},
    {"SwissSignWithoutMirror",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "#5"),
     {"P1||", "P2||", "P3|#5|", "P4||", "P5||"}},
    {"SwissByeKeepsItsLetterAndHasNoOpponent",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "b5"),
     {"P1||", "P2||", "P3|B5|", "P4||", "P5||"}},
    {"SwissHalfBye",
     kSwiss,
     kSwissEmpty,
     Type(2, 2, "h"),
     {"P1||", "P2||H", "P3||", "P4||", "P5||"}},
    {"SwissForfeitWinMirrorsAsForfeitLoss",
     kSwiss,
     kSwissEmpty,
     Type(1, 1, "x3"),
     {"P1|X3|", "P2||", "P3|F1|", "P4||", "P5||"}},
    {"SwissForfeitLossMirrorsAsForfeitWin",
     kSwiss,
     kSwissEmpty,
     Type(5, 2, "f2"),
     {"P1||", "P2||X5", "P3||", "P4||", "P5||F2"}},
    {"SwissForfeitDrawMirrorsItself",
     kSwiss,
     kSwissEmpty,
     Type(1, 1, "z3"),
     {"P1|Z3|", "P2||", "P3|Z1|", "P4||", "P5||"}},
    {"SwissOpponentBeyondTheChart",
     kSwiss,
     kSwissEmpty,
     Type(3, 1, "w9"),
     {"P1||", "P2||", "P3|W9|", "P4||", "P5||"}},

    // Round robin: four lines, a column per opponent.
    {"SingleEnter",
     kSingle,
     kSingleEmpty,
     Type(1, 3, "w"),
     {"P1|X||1|", "P2||X||", "P3|0||X|", "P4||||X"}},
    {"SingleDrawTypedOneSlashTwo",
     kSingle,
     kSingleEmpty,
     Type(1, 3, "1/2"),
     {"P1|X||=|", "P2||X||", "P3|=||X|", "P4||||X"}},
    {"SingleReplace",
     kSingle,
     {"P1|X||1|", "P2||X||", "P3|0||X|", "P4||||X"},
     Type(1, 3, "l"),
     {"P1|X||0|", "P2||X||", "P3|1||X|", "P4||||X"}},
    {"SingleClearTakesTheMirrorAlong",
     kSingle,
     {"P1|X||1|", "P2||X||", "P3|0||X|", "P4||||X"},
     Clear(1, 3),
     kSingleEmpty},
    {"SingleClearLeavesACellTypedOtherwise",
     kSingle,
     {"P1|X||1|", "P2||X||", "P3|=||X|", "P4||||X"},
     Clear(1, 3),
     {"P1|X|||", "P2||X||", "P3|=||X|", "P4||||X"}},
    {"SingleCutOfTwoGames",
     kSingle,
     {"P1|X|1|=|", "P2|0|X||", "P3|=||X|", "P4||||X"},
     Cut(1, 2, 1, 3),
     {"P1|X|||", "P2||X||", "P3|||X|", "P4||||X"}},
    {"SinglePaste",
     kSingle,
     {"P1|X||1|", "P2||X||", "P3|0||X|", "P4||||X"},
     Paste(1, 3, "="),
     {"P1|X||=|", "P2||X||", "P3|||X|", "P4||||X"}},
    {"SingleDeleteRowTakesItsColumnAlong",
     kSingle,
     {"P1|X|1|0|=", "P2|0|X|=|1", "P3|1|=|X|0", "P4|=|0|1|X"},
     DeleteRow(2),
     {"P1|X|0|=|", "P3|1|X|0|", "P4|=|1|X|", "||||X"}},
    {"SingleOwnCellWritesNoMirror",
     kSingle,
     {"P1|X|||", "P2||||", "P3|||X|", "P4||||X"},
     Type(2, 2, "1"),
     {"P1|X|||", "P2||1||", "P3|||X|", "P4||||X"}},
    {"SingleTypoIsDropped", kSingle, kSingleEmpty, Type(1, 3, "q"), kSingleEmpty},
    {"SingleXOverAResultTakesItsMirror",
     kSingle,
     {"P1|X||1|", "P2||X||", "P3|0||X|", "P4||||X"},
     Type(1, 3, "x"),
     {"P1|X||X|", "P2||X||", "P3|||X|", "P4||||X"}},
    {"SingleForfeitMirrorsAsForfeit",
     kSingle,
     {"P1|X||+|", "P2||X||", "P3|||X|", "P4||||X"},
     Enter(1, 3),
     {"P1|X||+|", "P2||X||", "P3|-||X|", "P4||||X"}},

    // Double round robin: three lines, two columns per opponent.
    {"DoubleSecondGameMirrorsTheSecond",
     kDouble,
     kDoubleEmpty,
     Type(1, 4, "w"),
     {"P1|X|X||1||", "P2||0|X|X||", "P3|||||X|X"}},
    {"DoubleReplace",
     kDouble,
     {"P1|X|X|1|||", "P2|0||X|X||", "P3|||||X|X"},
     Type(1, 3, "d"),
     {"P1|X|X|=|||", "P2|=||X|X||", "P3|||||X|X"}},
    {"DoubleClear",
     kDouble,
     {"P1|X|X|1|||", "P2|0||X|X||", "P3|||||X|X"},
     Clear(1, 3),
     kDoubleEmpty},
    {"DoubleCut",
     kDouble,
     {"P1|X|X|1|=||", "P2|0|=|X|X||", "P3|||||X|X"},
     Cut(1, 3, 1, 4),
     kDoubleEmpty},
    {"DoublePaste",
     kDouble,
     {"P1|X|X|1|||", "P2|0||X|X||", "P3|||||X|X"},
     Paste(1, 3, "0"),
     {"P1|X|X|0|||", "P2|||X|X||", "P3|||||X|X"}},
    {"DoubleDeleteRow",
     kDouble,
     {"P1|X|X|1|0|=|=", "P2|0|1|X|X|1|0", "P3|=|=|0|1|X|X"},
     DeleteRow(1),
     {"P2|X|X|1|0||", "P3|0|1|X|X||", "|||||X|X"}},
    {"DoubleOwnCellWritesNoMirror",
     kDouble,
     {"P1|X|||||", "P2|||X|X||", "P3|||||X|X"},
     Type(1, 2, "1"),
     {"P1|X|1||||", "P2|||X|X||", "P3|||||X|X"}},
    {"DoubleTypoIsDropped", kDouble, kDoubleEmpty, Type(2, 1, "b"), kDoubleEmpty},
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class EditTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTable, ChartBeforeAndAfter) {
    const EditCase& c = GetParam();
    Tournament t = Chart(c.type, c.before);
    ASSERT_EQ(LinesOf(t), c.before) << "the table's chart";
    Apply(t, c.edit);
    EXPECT_EQ(LinesOf(t), c.after);
    EXPECT_EQ(t.modified(), c.after != c.before);
    if (t.undo()) {
        EXPECT_EQ(LinesOf(t), c.before) << "one undo step";
        EXPECT_FALSE(t.modified());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndEdit, EditTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Editing, WithTheOpponentUpdateOffOnlyTheCellChanges) {
    Tournament t = Chart(kSwiss, {"P1||", "P2||", "P3|W5|", "P4||", "P5|L3|"});
    t.toggleOpponentUpdates();
    Apply(t, Type(3, 1, "w4"));
    Apply(t, Clear(5, 1));
    Apply(t, Type(1, 2, "w2"));
    EXPECT_EQ(LinesOf(t), (Lines{"P1||W2", "P2||", "P3|W4|", "P4||", "P5||"}));
}

TEST(Editing, ClearAllResultsEmptiesResultCellsButTheOwnMarks) {
    Tournament t = test::UnmodifiedChart(TournamentType::RoundRobin, 4);
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
    Tournament t = test::UnmodifiedChart(TournamentType::Swiss, 12, 2);
    for (int r = 1; r <= 12; ++r) {
        t.chart().setCell(1, r, "P" + std::to_string(r));
        t.chart().setCell(5, r, "W" + std::to_string(r % 12 + 1));
    }
    t.setNumPlayers(10); // rows 11 and 12 stay behind, hidden
    EXPECT_EQ(t.resultsNaming(4), 1);
    t.deleteRow(4);
    EXPECT_EQ(t.chart().cell(5, 3), "") << "it named the deleted player";
    for (int r = 4; r <= 9; ++r) {
        EXPECT_EQ(t.chart().cell(1, r), "P" + std::to_string(r + 1));
        // Renumbered, but for a reference beyond the chart (line 11, hidden).
        EXPECT_EQ(t.chart().cell(5, r), "W" + std::to_string(r < 9 ? r + 1 : 11));
    }
    // The last row takes the hidden row beyond the chart, which itself stays.
    EXPECT_EQ(t.chart().cell(1, 10), "P11");
    EXPECT_EQ(t.chart().cell(1, 11), "P11");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(t.chart().cell(0, r), std::to_string(r));
    EXPECT_EQ(t.numPlayers(), 10);
    const auto before = LinesOf(t);
    t.deleteRow(0);
    t.deleteRow(11);
    EXPECT_EQ(LinesOf(t), before);
}

} // namespace
