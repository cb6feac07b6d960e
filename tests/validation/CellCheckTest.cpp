#include "ValidationTestSupport.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::NamedChart;
using ranvik::test::ScriptedPrompt;

TEST(RatingCheck, AcceptedAndRejectedRatings) {
    for (const char* ok : {"1850", " 1850", "-5", "unr", "Unr.", "UNRATED", "", "+7"}) {
        Tournament t = NamedChart(TournamentType::Swiss, 2);
        t.chart().setCell(3, 2, ok);
        ScriptedPrompt answers;
        EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None) << '"' << ok << '"';
    }
    for (const char* bad : {"1850?", "abc", "18 50", "99999999999", " "}) {
        Tournament t = NamedChart(TournamentType::Swiss, 2);
        t.chart().setCell(3, 2, bad);
        ScriptedPrompt answers;
        const ValidationResult result = Validate(t, answers.prompt());
        EXPECT_EQ(result.fault, ValidationFault::InvalidRating) << '"' << bad << '"';
        EXPECT_EQ(result.row, 2);
        EXPECT_EQ(result.col, 3);
    }
}

TEST(RatingCheck, MembershipNumberColumnIsNotExamined) {
    Tournament t = NamedChart(TournamentType::Swiss, 2);
    t.chart().setCell(2, 1, "not a number");
    ScriptedPrompt answers;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
}

class SwissCheck : public ::testing::Test {
  protected:
    Tournament t = NamedChart(TournamentType::Swiss, 30, 3);
    ScriptedPrompt answers;
    ChartValidator validator{t, answers.prompt()};
    ValidationFault check(int row, int col) {
        return validator.checkSwissCell(t.chart().cell(col, row), row, col);
    }
};

// A result in line 3 against the cell of line 12 in the same round: the fault of the first,
// and the questions it asks (each answered Ignore).
struct SwissPair {
    const char* mine;
    const char* theirs;
    ValidationFault fault;
    std::vector<std::string> asked;
};

const std::string kResults = "Inconsistent results found. Line 3, Rd 1.";
const std::string kOpponents = "Inconsistent opponents found. Line 3, Rd 1.";

TEST_F(SwissCheck, EachPairOfCellsGivesItsFaultAndItsQuestions) {
    const SwissPair pairs[] = {
        {"", "", ValidationFault::None, {}},
        {"W12", "L3", ValidationFault::None, {}},
        {"F12", "X3", ValidationFault::None, {}}, // a forfeit loss against a forfeit win
        {"X12", "F3", ValidationFault::None, {}},
        {"W12", "W3", ValidationFault::None, {kResults}},
        {"W12", "L5", ValidationFault::None, {kOpponents}},
        {"W12", "D7", ValidationFault::None, {kOpponents, kResults}},
        {"W3", "", ValidationFault::PairedAgainstSelf, {}},
        {"W40", "", ValidationFault::InvalidResult, {}}, // past the last player
        {"W31", "", ValidationFault::InvalidResult, {}},
    };
    for (const SwissPair& pair : pairs) {
        SCOPED_TRACE(std::string(pair.mine) + " against " + pair.theirs);
        t.chart().setCell(4, 3, pair.mine);
        t.chart().setCell(4, 12, pair.theirs);
        answers.shown.clear();
        EXPECT_EQ(check(3, 4), pair.fault);
        EXPECT_EQ(answers.shown, pair.asked);
    }
}

TEST_F(SwissCheck, CancelGivesSixForOpponentsAndSevenForResults) {
    answers.answer = InconsistencyAnswer::Cancel;
    t.chart().setCell(4, 3, "W12");
    t.chart().setCell(4, 12, "L5");
    EXPECT_EQ(check(3, 4), ValidationFault::InconsistentOpponents);
    t.chart().setCell(4, 12, "W3");
    EXPECT_EQ(check(3, 4), ValidationFault::InconsistentResults);
}

TEST_F(SwissCheck, LettersOutsideTheAcceptedSetAreInvalid) {
    for (const char* bad : {"Q", "Q5", "1", "12W", "#4", "%4",
                            "\xC3\xA9"
                            "5",
                            "x"}) {
        t.chart().setCell(4, 3, bad);
        // x reads as the forfeit X
        const ValidationFault expected =
            std::string(bad) == "x" ? ValidationFault::None : ValidationFault::InvalidResult;
        EXPECT_EQ(check(3, 4), expected) << bad;
    }
}

TEST_F(SwissCheck, EveryAcceptedLetterPasses) {
    for (char letter : std::string("LDW&$UHBZXPEG-+=F")) {
        t.chart().setCell(4, 3, std::string(1, letter));
        EXPECT_EQ(check(3, 4), ValidationFault::None) << letter;
    }
}

TEST(SwissValidate, AllSuppressesEveryLaterMessageButFaultsStillStop) {
    Tournament t = NamedChart(TournamentType::Swiss, 6, 2);
    t.chart().setCell(4, 1, "W2");
    t.chart().setCell(4, 2, "W1"); // results mismatch, twice
    t.chart().setCell(5, 3, "W4");
    t.chart().setCell(5, 4, "L6"); // opponents mismatch
    t.chart().setCell(5, 5, "W5"); // paired against self
    ScriptedPrompt answers;
    answers.answer = InconsistencyAnswer::All;
    const ValidationResult result = Validate(t, answers.prompt());
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0], "Inconsistent results found. Line 1, Rd 1.");
    EXPECT_EQ(result.fault, ValidationFault::PairedAgainstSelf);
    EXPECT_EQ(result.row, 5);
    EXPECT_EQ(result.col, 5);
}

TEST(SwissValidate, EachRunAsksAgain) {
    Tournament t = NamedChart(TournamentType::Swiss, 2);
    t.chart().setCell(4, 1, "W2");
    t.chart().setCell(4, 2, "W1");
    ScriptedPrompt answers;
    answers.answer = InconsistencyAnswer::All;
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_EQ(Validate(t, answers.prompt()).fault, ValidationFault::None);
    EXPECT_EQ(answers.shown.size(), 2u);
}

TEST(SwissValidate, CancelStopsTheScanAtThatCell) {
    Tournament t = NamedChart(TournamentType::Swiss, 4);
    t.chart().setCell(4, 2, "W3");
    t.chart().setCell(4, 3, "W2");
    ScriptedPrompt answers;
    answers.answer = InconsistencyAnswer::Cancel;
    const ValidationResult result = Validate(t, answers.prompt());
    EXPECT_EQ(result.fault, ValidationFault::InconsistentResults);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(result.col, 4);
    EXPECT_EQ(answers.shown.size(), 1u);
}

TEST(SwissValidate, ChartWithoutAnswererStopsAtTheFirstInconsistency) {
    Tournament t = NamedChart(TournamentType::Swiss, 2);
    t.chart().setCell(4, 1, "W2");
    t.chart().setCell(4, 2, "W1");
    EXPECT_EQ(Validate(t, nullptr).fault, ValidationFault::InconsistentResults);
}

TEST(ValidationTexts, MessagesAndFaultText) {
    EXPECT_EQ(English(ValidationMessage(ValidationFault::InvalidResult)),
              "Invalid result or opponent, or incorrect tournament type.");
    EXPECT_EQ(English(ValidationMessage(ValidationFault::OwnCellNotX)),
              "Entry must be \"X\" here for round robin tournament type.");
    EXPECT_EQ(English(ValidationMessage(ValidationFault::InconsistentResults)),
              "Inconsistent results.");
    EXPECT_EQ(English(ValidationMessage(ValidationFault::None)), "");
}

// A cell is named as the director sees it: its line and its column's heading.
TEST(ValidationTexts, FaultTextNamesTheColumnByItsHeading) {
    const struct {
        TournamentType type;
        ValidationFault fault;
        int row;
        int col;
        const char* text;
    } cases[] = {
        {TournamentType::Swiss, ValidationFault::PairedAgainstSelf, 12, 6,
         "Player paired against self. Line 12, Rd 3."},
        {TournamentType::Swiss, ValidationFault::MissingName, 4, 1, "Missing name. Line 4, name."},
        {TournamentType::RoundRobin, ValidationFault::InvalidRating, 2, 3,
         "Invalid rating. Line 2, rating."},
        {TournamentType::RoundRobin, ValidationFault::InvalidResult, 4, 10,
         "Invalid result or opponent, or incorrect tournament type. Line 4, player 7."},
        {TournamentType::DoubleRoundRobin, ValidationFault::OwnCellNotX, 3, 9,
         "Entry must be \"X\" here for round robin tournament type. Line 3, player 3b."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(English(FaultText({c.fault, c.row, c.col}, RulesFor(c.type))), c.text);
    }
    EXPECT_EQ(English(InconsistencyText("results", RulesFor(TournamentType::Swiss), 4, 4)),
              "Inconsistent results found. Line 4, Rd 1.");
    EXPECT_EQ(English(CellPlace(RulesFor(TournamentType::Swiss), 7, 2)),
              "Line 7, membership number");
}
