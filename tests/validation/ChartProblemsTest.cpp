// Each fault validation knows and each warning, as the live check lists and marks them.

#include "ChartProblemsTestSupport.h"
#include "report/RatingReport.h"
#include "validation/ChartWarnings.h"

#include <gtest/gtest.h>

#include <set>

using namespace ranvik;
using ranvik::test::At;
using ranvik::test::PlayedChart;

namespace {

struct Write {
    int col;
    int row;
    const char* text;
};

void Apply(Tournament& t, const std::vector<Write>& writes) {
    for (const Write& w : writes)
        t.chart().setCell(w.col, w.row, w.text);
}

constexpr int kR = ChartColumn::FirstResult;

// Four players, one round (Swiss: "D2" "D1" "W4" "L3"); the writes leave one problem.
struct FaultCase {
    const char* name;
    TournamentType type;
    std::vector<Write> writes;
    ValidationFault fault;
    ChartCell cell;
    ChartCell other; // the second cell of an inconsistent pair
};

const FaultCase kFaultCases[] = {
    {"SwissUnknownLetter",
     TournamentType::Swiss,
     {{kR, 1, "Q2"}, {kR, 2, ""}},
     ValidationFault::InvalidResult,
     {kR, 1},
     {}},
    {"SwissMissingName",
     TournamentType::Swiss,
     {{1, 2, ""}},
     ValidationFault::MissingName,
     {1, 2},
     {}},
    {"SwissInvalidRating",
     TournamentType::Swiss,
     {{3, 2, "abc"}},
     ValidationFault::InvalidRating,
     {3, 2},
     {}},
    {"SwissPairedAgainstSelf",
     TournamentType::Swiss,
     {{kR, 3, "D3"}, {kR, 4, ""}},
     ValidationFault::PairedAgainstSelf,
     {kR, 3},
     {}},
    {"SwissInconsistentOpponents",
     TournamentType::Swiss,
     {{kR, 1, "W2"}, {kR, 2, "L3"}, {kR, 3, "W2"}, {kR, 4, ""}},
     ValidationFault::InconsistentOpponents,
     {kR, 1},
     {kR, 2}},
    // Both cells disagree: still one entry.
    {"SwissInconsistentResults",
     TournamentType::Swiss,
     {{kR, 2, "W1"}},
     ValidationFault::InconsistentResults,
     {kR, 1},
     {kR, 2}},
    {"RoundRobinOwnCellNotX",
     TournamentType::RoundRobin,
     {{kR + 1, 2, "="}},
     ValidationFault::OwnCellNotX,
     {kR + 1, 2},
     {}},
    {"RoundRobinInconsistentResults",
     TournamentType::RoundRobin,
     {{kR + 1, 1, "1"}, {kR, 2, "="}},
     ValidationFault::InconsistentResults,
     {kR + 1, 1},
     {kR, 2}},
    {"RoundRobinMissingName",
     TournamentType::RoundRobin,
     {{1, 3, ""}},
     ValidationFault::MissingName,
     {1, 3},
     {}},
    {"RoundRobinInvalidRating",
     TournamentType::RoundRobin,
     {{3, 1, "x"}},
     ValidationFault::InvalidRating,
     {3, 1},
     {}},
    {"DoubleOwnCellNotX",
     TournamentType::DoubleRoundRobin,
     {{kR + 3, 2, "0"}},
     ValidationFault::OwnCellNotX,
     {kR + 3, 2},
     {}},
    {"DoubleInconsistentResults",
     TournamentType::DoubleRoundRobin,
     {{kR + 2, 1, "1"}, {kR, 2, "1"}},
     ValidationFault::InconsistentResults,
     {kR + 2, 1},
     {kR, 2}},
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

// What Validate itself shows first on a copy: a cell fault's text or the first question.
std::string ValidationShows(const Tournament& t, ValidationResult& first) {
    Tournament copy = t;
    ranvik::test::ScriptedPrompt stop;
    stop.answer = InconsistencyAnswer::Cancel;
    first = Validate(copy, stop.prompt());
    return stop.shown.empty() ? English(FaultText(first, t.rules())) : stop.shown.front();
}

} // namespace

class FaultListed : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultListed, OnceWithValidationsTextAndItsCellsMarked) {
    const FaultCase& c = GetParam();
    Tournament t = PlayedChart(c.type, 4);
    ChartProblems live(t);
    ASSERT_TRUE(live.problems().empty()) << "the starting chart is clean";
    Apply(t, c.writes);

    const std::vector<ChartProblem> problems = live.problems();
    ASSERT_EQ(problems.size(), 1U);
    const ChartProblem& p = problems.front();
    EXPECT_EQ(p.fault, c.fault);
    EXPECT_EQ(At(p.cell), At(c.cell));
    EXPECT_EQ(At(p.other), At(c.other));
    ValidationResult first;
    EXPECT_EQ(English(p.text), ValidationShows(t, first));
    EXPECT_EQ(first.fault, c.fault);
    EXPECT_EQ(At({first.col, first.row}), At(c.cell));

    ChartProblems fresh(t); // the whole-chart check finds the same
    EXPECT_EQ(ranvik::test::FirstDifference(ranvik::test::Describe(t, live),
                                            ranvik::test::Describe(t, fresh)),
              "");
    for (int row = 1; row <= t.playerRows(); ++row) {
        for (int col = 1; col < t.chart().colCount(); ++col) {
            const bool part = ChartCell{col, row} == c.cell || ChartCell{col, row} == c.other;
            EXPECT_EQ(live.isMarked(col, row), part) << At({col, row});
            EXPECT_EQ(live.cellMessage(col, row), part ? p.text : Message()) << At({col, row});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FaultListed, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

struct ExpectedWarning {
    ChartWarningKind kind;
    ChartCell cell;
    const char* text;
};

struct WarningCase {
    const char* name;
    TournamentType type;
    std::vector<Write> writes;
    std::vector<ExpectedWarning> expected; // by line
    std::vector<Write> fix;
};

void PrintTo(const WarningCase& c, std::ostream* os) {
    *os << c.name;
}

const WarningCase kWarningCases[] = {
    {"DuplicateNumberOnThreeLines",
     TournamentType::Swiss,
     {{2, 3, "100001"}, {2, 4, "100001"}},
     {{ChartWarningKind::DuplicateMemberNumber,
       {2, 1},
       "Membership number 100001 on lines 1, 3 and 4."}},
     {{2, 3, "100003"}, {2, 4, "100004"}}},
    {"NumberOfFiveDigits",
     TournamentType::RoundRobin,
     {{2, 2, "12345"}},
     {{ChartWarningKind::MemberNumberNotSixDigits,
       {2, 2},
       "Membership number not six digits: P2, 12345"}},
     {{2, 2, "123450"}}},
    {"NumberMissing",
     TournamentType::Swiss,
     {{2, 4, ""}},
     {{ChartWarningKind::MemberNumberNotSixDigits, {2, 4}, "P4: no membership number"}},
     {{2, 4, "100004"}}},
    {"SwissResultAgainstUnnamedLine",
     TournamentType::Swiss,
     {{1, 2, ""}},
     {{ChartWarningKind::ResultToEmptyLine, {kR, 1}, "Result against line 2, which has no name."}},
     {{1, 2, "Back"}}},
    {"RatingAboveTheScale",
     TournamentType::Swiss,
     {{3, 2, "15000"}},
     {{ChartWarningKind::RatingOutOfRange, {3, 2}, "Rating outside 0-3000: P2, 15000"}},
     {{3, 2, "1500"}}},
    {"NegativeRatingAndANameTwice",
     TournamentType::RoundRobin,
     {{3, 3, "-5"}, {1, 4, " p2 "}},
     {{ChartWarningKind::SameName, {1, 2}, "Same name on lines 2 and 4: P2"},
      {ChartWarningKind::RatingOutOfRange, {3, 3}, "Rating outside 0-3000: P3, -5"}},
     {{3, 3, "unr."}, {1, 4, "P2 Jr"}}},
    {"RoundRobinResultsAgainstUnnamedLine",
     TournamentType::RoundRobin,
     {{1, 2, ""}},
     {{ChartWarningKind::ResultToEmptyLine,
       {kR + 1, 1},
       "Result against line 2, which has no name."},
      {ChartWarningKind::ResultToEmptyLine,
       {kR + 1, 3},
       "Result against line 2, which has no name."},
      {ChartWarningKind::ResultToEmptyLine,
       {kR + 1, 4},
       "Result against line 2, which has no name."}},
     {{1, 2, "Back"}}},
    {"ByeWithANumber",
     TournamentType::Swiss,
     {{kR, 3, "B5"}, {kR, 4, "h0"}},
     {{ChartWarningKind::ReportedOtherwise,
       {kR, 3},
       "A bye has no opponent: the number 5 is ignored in the report"}},
     {{kR, 3, "B0"}, {kR, 4, "H"}}},
    {"ForfeitNamingItsOpponent",
     TournamentType::Swiss,
     {{kR, 1, "X2"}},
     {{ChartWarningKind::ReportedOtherwise,
       {kR, 1},
       "The report files a forfeit against line 2 as a played game against that player; the "
       "federation asks for 0 as the opponent of a forfeit"}},
     {{kR, 1, "X0"}}},
};

} // namespace

class WarningListed : public ::testing::TestWithParam<WarningCase> {};

TEST_P(WarningListed, UntilTheChartIsMended) {
    const WarningCase& c = GetParam();
    Tournament t = PlayedChart(c.type, 4);
    ChartProblems live(t);
    ASSERT_TRUE(live.warnings().empty()) << "the starting chart is clean";
    Apply(t, c.writes);

    const std::vector<ChartWarning> warnings = live.warnings();
    ASSERT_EQ(warnings.size(), c.expected.size());
    std::vector<std::string> flagged;
    std::vector<std::string> reportedOtherwise;
    for (std::size_t k = 0; k < warnings.size(); ++k) {
        EXPECT_EQ(warnings[k].kind, c.expected[k].kind) << k;
        EXPECT_EQ(At(warnings[k].cell), At(c.expected[k].cell)) << k;
        EXPECT_EQ(English(warnings[k].text), c.expected[k].text) << k;
        if (warnings[k].kind == ChartWarningKind::MemberNumberNotSixDigits)
            flagged.push_back(English(warnings[k].text));
        if (warnings[k].kind == ChartWarningKind::ReportedOtherwise)
            reportedOtherwise.push_back("Line " + std::to_string(warnings[k].cell.row) +
                                        ", Rd 1: " + English(warnings[k].text));
    }
    // Worded as the report's membership-number check lists the same lines.
    std::vector<std::string> report = FlaggedMemberLines(t.chart(), t.playerRows());
    for (std::string& line : report) {
        if (line.find(": no membership number") == std::string::npos)
            line.insert(0, "Membership number not six digits: ");
    }
    EXPECT_EQ(flagged, report);
    std::vector<std::string> reportLines;
    for (const Message& line : ReportedOtherwiseLines(t))
        reportLines.push_back(English(line));
    EXPECT_EQ(reportedOtherwise, reportLines);
    // And the line warnings as the report's check list gives them.
    std::vector<Message> lineWarnings;
    for (const ChartWarning& warning : warnings) {
        if (warning.kind == ChartWarningKind::RatingOutOfRange ||
            warning.kind == ChartWarningKind::SameName)
            lineWarnings.push_back(warning.text);
    }
    EXPECT_EQ(lineWarnings, ChartCheckWarnings(t.chart(), t.playerRows()));

    Apply(t, c.fix);
    EXPECT_TRUE(live.warnings().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WarningListed, ::testing::ValuesIn(kWarningCases),
                         [](const auto& info) { return std::string(info.param.name); });

// With the opponent update off, one result typed is half a game, and counts as a game
// entered: "Games: 1 of 2".
TEST(LiveCheck, GamesEnteredCountALoneResultAsAGame) {
    Tournament t = ranvik::test::NamedChart(TournamentType::Swiss, 4, 1);
    t.toggleOpponentUpdates();
    ChartProblems live(t);
    ranvik::test::TypeAndEnter(t, kR, 1, U"W2");
    EXPECT_EQ(t.chart().cell(kR, 2), "") << "no opponent update";
    EXPECT_EQ(live.gamesEntered(), 1);
    EXPECT_EQ(live.gamesExpected(), 2);
}

// The director's and organiser's numbers, once a report has given them, are warned about
// like a player's; an empty organiser's number is no fault.
TEST(ChartProblemsWarnings, TheOfficialsNumbersOnceGiven) {
    Tournament t = PlayedChart(TournamentType::Swiss, 4);
    ChartProblems live(t);
    live.setOfficialNumbers("12345", "");
    ASSERT_EQ(live.warnings().size(), 1u);
    EXPECT_EQ(live.warnings()[0].kind, ChartWarningKind::OfficialNumberNotSixDigits);
    EXPECT_EQ(English(live.warnings()[0].text),
              "Tournament director QRB number not six digits: 12345");
    live.setOfficialNumbers("123456", "");
    EXPECT_TRUE(live.warnings().empty());
}

// A line is a player once something is typed in it or another line's result names it;
// before that its missing name is no fault of the live check (validation, which files the
// report, still refuses it). Each case lists the lines whose missing name is listed.
TEST(LiveCheck, MissingNameOnlyForLinesInUse) {
    const struct {
        const char* name;
        TournamentType type;
        int players;
        std::vector<Write> writes;
        std::set<int> listed;
    } cases[] = {
        {"fresh Swiss chart", TournamentType::Swiss, 2, {}, {}},
        {"fresh round robin", TournamentType::RoundRobin, 4, {}, {}},
        {"one name typed", TournamentType::Swiss, 3, {{1, 1, "Ann"}}, {}},
        {"a gap between names", TournamentType::Swiss, 3, {{1, 1, "Ann"}, {1, 3, "Cy"}}, {}},
        {"only a number", TournamentType::Swiss, 3, {{1, 1, "Ann"}, {2, 2, "123456"}}, {2}},
        {"only a rating", TournamentType::Swiss, 2, {{3, 2, "1500"}}, {2}},
        {"only a result",
         TournamentType::Swiss,
         3,
         {{1, 1, "Ann"}, {1, 3, "Cy"}, {kR, 2, "L1"}},
         {2}},
        {"named by a result",
         TournamentType::Swiss,
         3,
         {{1, 1, "Ann"}, {1, 3, "Cy"}, {kR, 1, "W2"}},
         {2}},
        {"named in a round robin",
         TournamentType::RoundRobin,
         3,
         {{1, 1, "Ann"}, {1, 3, "Cy"}, {kR + 1, 1, "1"}},
         {2}},
        {"a gap in a round robin",
         TournamentType::RoundRobin,
         3,
         {{1, 1, "Ann"}, {1, 3, "Cy"}},
         {}},
        {"a second game names him",
         TournamentType::DoubleRoundRobin,
         2,
         {{1, 1, "Ann"}, {kR + 3, 1, "="}},
         {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Tournament t = ranvik::test::StartedChart(c.type, c.players, 2);
        t.toggleOpponentUpdates(); // the cells as typed, no mirror written
        ChartProblems live(t);
        Apply(t, c.writes);
        std::set<int> listed;
        for (const ChartProblem& p : live.problems()) {
            if (p.fault == ValidationFault::MissingName)
                listed.insert(p.cell.row);
        }
        EXPECT_EQ(listed, c.listed);
        for (int row = 1; row <= t.playerRows(); ++row) {
            if (t.chart().cell(ChartColumn::Name, row).empty()) {
                EXPECT_EQ(live.isMarked(ChartColumn::Name, row), c.listed.count(row) != 0) << row;
            }
        }
        // The same lines, checked from scratch rather than as the cells came.
        ChartProblems fresh(t);
        EXPECT_EQ(fresh.faultCount(), live.faultCount());
    }
    // Validation's own list, which the report goes by, still names the unnamed lines.
    Tournament fresh = ranvik::test::StartedChart(TournamentType::Swiss, 2, 1);
    ChartProblems live(fresh);
    EXPECT_EQ(live.faultCount(), 0);
    EXPECT_EQ(English(live.validationLines().front()), "Missing name. Line 1, name.");
}
