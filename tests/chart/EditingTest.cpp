// The director's edits on each tournament type, one table row each: the chart before, the
// edit, the chart after. A chart is written as its cells "line.column=text" (column 0 the
// name, results from 1; "_" a blank) over names P1, P2..., own cells X and empty results.
// Every edit is one undo step, and the chart is modified exactly when the edit changed it.

#include "Charts.h"
#include "chart/TabSeparated.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace ranvik;

namespace {

using Lines = std::vector<std::string>;
constexpr auto kSwiss = TournamentType::Swiss;
constexpr auto kSingle = TournamentType::RoundRobin;
constexpr auto kDouble = TournamentType::DoubleRoundRobin;

// Swiss: five lines and two rounds; round robin: four lines; double: three.
int PlayersOf(TournamentType type) {
    return type == kSwiss ? 5 : type == kSingle ? 4 : 3;
}

// The chart's lines, "name|result|result...".
Lines Expected(TournamentType type, const std::string& cells) {
    const int players = PlayersOf(type);
    const ChartRules& rules = RulesFor(type);
    std::vector<Lines> fields(players);
    for (int r = 1; r <= players; ++r) {
        fields[r - 1].push_back("P" + std::to_string(r));
        for (int c = ChartColumn::FirstResult;
             c < ChartColumn::FirstResult + rules.resultColumns(players, 2); ++c)
            fields[r - 1].emplace_back(rules.isOwnCell(c, r) ? "X" : "");
    }
    std::istringstream in(cells);
    for (std::string token; in >> token;) {
        std::string text = token.substr(token.find('=') + 1);
        std::replace(text.begin(), text.end(), '_', ' ');
        fields[std::stoi(token) - 1][std::stoi(token.substr(token.find('.') + 1))] = text;
    }
    Lines lines;
    for (const Lines& line : fields) {
        std::string joined = line[0];
        for (std::size_t k = 1; k < line.size(); ++k)
            joined += "|" + line[k];
        lines.push_back(joined);
    }
    return lines;
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

Tournament Chart(TournamentType type, const std::string& cells) {
    Tournament t = test::UnmodifiedChart(type, PlayersOf(type), 2);
    const Lines lines = Expected(type, cells);
    for (int r = 1; r <= t.playerRows(); ++r) {
        std::istringstream line(lines[r - 1]);
        std::string field;
        for (int c = ChartColumn::Name; std::getline(line, field, '|');
             c = c == ChartColumn::Name ? ChartColumn::FirstResult : c + 1)
            t.chart().setCell(c, r, field);
    }
    t.forgetHistory();
    return t;
}

// An edit at (line, result column from 1): keys typed and committed ("" for Enter on the
// cell as it is), "del" (Delete), "cut:L,C" (Cut to line L, column C), "paste:..." (a
// block; TAB and LF as "\t" and "\n"), "delete row", "clear all".
struct Edit {
    int row;
    int k;
    std::string what;
};

void Apply(Tournament& t, const Edit& e) {
    const int col = ChartColumn::FirstResult + e.k - 1;
    if (e.what == "delete row") {
        t.deleteRow(e.row);
    } else if (e.what == "clear all") {
        t.clearAllResults();
    } else if (e.what == "del") {
        t.clearCells({{col, e.row}});
    } else if (e.what.starts_with("cut:")) {
        std::vector<CellAt> block;
        const int lastRow = std::stoi(e.what.substr(4));
        const int lastCol = ChartColumn::FirstResult + std::stoi(e.what.substr(6)) - 1;
        for (int r = e.row; r <= lastRow; ++r)
            for (int c = col; c <= lastCol; ++c)
                block.push_back({c, r});
        t.clearCells(block);
    } else if (e.what.starts_with("paste:")) {
        t.pasteBlock(col, e.row, ParseTabSeparated(e.what.substr(6)));
    } else if (e.what.empty()) {
        t.enterCell(col, e.row, std::string(t.chart().cell(col, e.row)));
    } else {
        test::TypeAndEnter(t, col, e.row, std::u32string(e.what.begin(), e.what.end()));
    }
}

struct EditCase {
    const char* name;
    TournamentType type;
    const char* before;
    Edit edit;
    const char* after;
};

const char* const kWon = "3.1=W5 5.1=L3"; // line 3 beat line 5 in round 1

const EditCase kCases[] = {
    // Swiss.
    {"SwissEnterWritesTheMirrorUpToTheLastLine", kSwiss, "", {3, 1, "w5"}, kWon},
    {"SwissFrenchResult", kSwiss, "", {3, 2, "g5"}, "3.2=G5 5.2=P3"},
    {"SwissSymbolResult", kSwiss, "", {3, 1, "-5"}, "3.1=-5 5.1=+3"},
    {"SwissDrawWithABlank", kSwiss, "", {3, 1, "e 5"}, "3.1=E_5 5.1=E3"},
    {"SwissReplaceClearsTheOldMirror", kSwiss, kWon, {3, 1, "w4"}, "3.1=W4 4.1=L3"},
    {"SwissReplaceKeepsACellTypedOtherwise",
     kSwiss,
     "3.1=W5 5.1=D3",
     {3, 1, "w4"},
     "3.1=W4 4.1=L3 5.1=D3"},
    {"SwissReplaceOnTheSameOpponent", kSwiss, kWon, {3, 1, "d5"}, "3.1=D5 5.1=D3"},
    {"SwissEnterAgainWritesTheMirrorAgain", kSwiss, "3.1=W5 5.1=D3", {3, 1, ""}, kWon},
    // Line 5's old result named line 3, whose cell held its exact mirror.
    {"SwissEnterOverTheOpponentsOtherGame", kSwiss, kWon, {4, 1, "w5"}, "4.1=W5 5.1=L4"},
    {"SwissClearTakesTheMirrorAlong", kSwiss, kWon, {3, 1, "del"}, ""},
    {"SwissClearLeavesACellTypedOtherwise", kSwiss, "3.1=W5 5.1=W3", {3, 1, "del"}, "5.1=W3"},
    {"SwissCutOfTwoGames",
     kSwiss,
     "1.2=W2 2.1=W4 2.2=L1 3.1=D5 4.1=L2 5.1=D3",
     {2, 1, "cut:3,1"},
     "1.2=W2 2.2=L1"},
    {"SwissPasteClearsTheOldMirrorAndWritesNone", kSwiss, kWon, {3, 1, "paste:L4"}, "3.1=L4"},
    {"SwissPasteOfBothHalvesKeepsThem", kSwiss, kWon, {3, 1, "paste:W4\nL3"}, "3.1=W4 4.1=L3"},
    {"SwissDeleteRowClearsTheResultsNamingIt",
     kSwiss,
     "1.1=W4 2.1==5 4.1=L1 5.1==2",
     {4, 0, "delete row"},
     "2.1==4 4.0=P5 4.1==2 5.0="},
    {"SwissSelfReferenceWritesNoMirror", kSwiss, "", {4, 1, "w4"}, "4.1=W4"},
    {"SwissSelfReferenceEnteredAgainStays", kSwiss, "4.1=W4", {4, 1, ""}, "4.1=W4"},
    {"SwissTypoLeavesTheOpponentsCell", kSwiss, "5.1=W3", {3, 1, "q5"}, "3.1=Q5 5.1=W3"},
    {"SwissTypoOverAResultTakesItsMirror", kSwiss, kWon, {3, 1, "q5"}, "3.1=Q5"},
    {"SwissSignWithoutMirror", kSwiss, "", {3, 1, "#5"}, "3.1=#5"},
    {"SwissByeKeepsItsLetterAndHasNoOpponent", kSwiss, "", {3, 1, "b5"}, "3.1=B5"},
    {"SwissHalfBye", kSwiss, "", {2, 2, "h"}, "2.2=H"},
    {"SwissForfeitWinMirrorsAsForfeitLoss", kSwiss, "", {1, 1, "x3"}, "1.1=X3 3.1=F1"},
    {"SwissForfeitLossMirrorsAsForfeitWin", kSwiss, "", {5, 2, "f2"}, "5.2=F2 2.2=X5"},
    {"SwissForfeitDrawMirrorsItself", kSwiss, "", {1, 1, "z3"}, "1.1=Z3 3.1=Z1"},
    {"SwissOpponentBeyondTheChart", kSwiss, "", {3, 1, "w9"}, "3.1=W9"},
    // Round robin: a column per opponent.
    {"SingleEnter", kSingle, "", {1, 3, "w"}, "1.3=1 3.1=0"},
    {"SingleDrawTypedOneSlashTwo", kSingle, "", {1, 3, "1/2"}, "1.3== 3.1=="},
    {"SingleReplace", kSingle, "1.3=1 3.1=0", {1, 3, "l"}, "1.3=0 3.1=1"},
    {"SingleClearTakesTheMirrorAlong", kSingle, "1.3=1 3.1=0", {1, 3, "del"}, ""},
    {"SingleClearLeavesACellTypedOtherwise", kSingle, "1.3=1 3.1==", {1, 3, "del"}, "3.1=="},
    {"SingleCutOfTwoGames", kSingle, "1.2=1 1.3== 2.1=0 3.1==", {1, 2, "cut:1,3"}, ""},
    {"SinglePaste", kSingle, "1.3=1 3.1=0", {1, 3, "paste:="}, "1.3=="},
    {"SingleDeleteRowTakesItsColumnAlong",
     kSingle,
     "1.2=1 1.3=0 1.4== 2.1=0 2.3== 2.4=1 3.1=1 3.2== 3.4=0 4.1== 4.2=0 4.3=1",
     {2, 0, "delete row"},
     "1.2=0 1.3== 2.0=P3 2.1=1 2.3=0 3.0=P4 3.1== 3.2=1 4.0="},
    {"SingleOwnCellWritesNoMirror", kSingle, "2.2=", {2, 2, "1"}, "2.2=1"},
    {"SingleTypoIsDropped", kSingle, "", {1, 3, "q"}, ""},
    {"SingleXOverAResultTakesItsMirror", kSingle, "1.3=1 3.1=0", {1, 3, "x"}, "1.3=X"},
    {"SingleForfeitMirrorsAsForfeit", kSingle, "1.3=+", {1, 3, ""}, "1.3=+ 3.1=-"},
    // Double round robin: two columns per opponent.
    {"DoubleSecondGameMirrorsTheSecond", kDouble, "", {1, 4, "w"}, "1.4=1 2.2=0"},
    {"DoubleReplace", kDouble, "1.3=1 2.1=0", {1, 3, "d"}, "1.3== 2.1=="},
    {"DoubleClear", kDouble, "1.3=1 2.1=0", {1, 3, "del"}, ""},
    {"DoubleCut", kDouble, "1.3=1 1.4== 2.1=0 2.2==", {1, 3, "cut:1,4"}, ""},
    {"DoublePaste", kDouble, "1.3=1 2.1=0", {1, 3, "paste:0"}, "1.3=0"},
    {"DoubleDeleteRow",
     kDouble,
     "1.3=1 1.4=0 1.5== 1.6== 2.1=0 2.2=1 2.5=1 2.6=0 3.1== 3.2== 3.3=0 3.4=1",
     {1, 0, "delete row"},
     "1.0=P2 1.3=1 1.4=0 2.0=P3 2.1=0 2.2=1 3.0="},
    {"DoubleOwnCellWritesNoMirror", kDouble, "1.2=", {1, 2, "1"}, "1.2=1"},
    {"DoubleTypoIsDropped", kDouble, "", {2, 1, "b"}, ""},
    {"ClearAllResultsKeepsTheOwnMarks",
     kSingle,
     "1.0=Ann 1.2=1 2.1=0 3.3=",
     {0, 0, "clear all"},
     "1.0=Ann 3.3="},
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

class EditTable : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTable, ChartBeforeAndAfter) {
    const EditCase& c = GetParam();
    Tournament t = Chart(c.type, c.before);
    Apply(t, c.edit);
    EXPECT_EQ(LinesOf(t), Expected(c.type, c.after));
    EXPECT_EQ(t.modified(), LinesOf(t) != Expected(c.type, c.before));
    if (t.undo()) {
        EXPECT_EQ(LinesOf(t), Expected(c.type, c.before)) << "one undo step";
        EXPECT_FALSE(t.modified());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndEdit, EditTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Keys the table above never types: what each becomes, given the editor's text before it.
TEST(TypedKeys, BecomeWhatTheColumnTakes) {
    const struct {
        CellKind kind;
        char32_t key;
        const char* typed;
        std::optional<char32_t> out;
    } keys[] = {
        {CellKind::SwissResult, U'u', "", U'U'},
        {CellKind::SwissResult, U'\u00E9', "", U'\u00E9'},
        {CellKind::RoundRobinResult, U'\u00BD', "", U'='},
        {CellKind::RoundRobinResult, U'2', "1/", U'2'},
        {CellKind::RoundRobinResult, U'/', "", std::nullopt},
        {CellKind::RoundRobinResult, U'+', "", std::nullopt},
        {CellKind::RoundRobinResult, U' ', "", std::nullopt},
    };
    for (const auto& c : keys)
        EXPECT_EQ(TypedKey(c.key, c.kind, c.typed), c.out) << static_cast<unsigned>(c.key);
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
    const Lines before = LinesOf(t);
    t.deleteRow(0);
    t.deleteRow(11);
    EXPECT_EQ(LinesOf(t), before);
}

} // namespace
