// Importing a tournament report file in place of the chart, and matching the chart's
// players with the shared membership fixture, through the document's questions.

#include "ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "members/FixtureDescription.h"
#include "members/MemberDatabase.h"
#include "support/DocumentPrinters.h"
#include "support/TestSupport.h"
#include "support/TrfText.h"

#include <gtest/gtest.h>

using namespace ranvik;
using namespace ranvik::test;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class WorkflowTest : public ::testing::Test {
  protected:
    void SetUp() override { document.start(); }

    Rows rows(int lastCol) const {
        const Chart& chart = document.tournament().chart();
        Rows out;
        for (int r = 1; r < chart.rowCount(); ++r) {
            out.emplace_back();
            for (int c = 0; c <= lastCol; ++c)
                out.back().emplace_back(chart.cell(c, r));
        }
        return out;
    }
    void setRow(int row, const std::string& name, const std::string& number) {
        document.tournament().chart().setCell(ChartColumn::Name, row, name);
        document.tournament().chart().setCell(ChartColumn::MemberNumber, row, number);
    }

    TempDir dir;
    ScriptedPrompts prompts;
    ChartDocument document{prompts};
};

// A complete round robin of four.
const std::vector<TrfPlayerSpec> kRoundRobin = {{1, "Ann", "2000", "2.5", {"4w1", "3b=", "2w1"}},
                                                {2, "Bob", "1900", "1.5", {"3w1", "4b=", "1b0"}},
                                                {3, "Cy", "1800", "1.0", {"2b0", "1w=", "4b="}},
                                                {4, "Di", "1700", "1.0", {"1b0", "2w=", "3w="}}};

TEST_F(WorkflowTest, ImportAsksTheSaveQuestionFirstAndRefusesWithoutTouchingTheChart) {
    document.tournament().setNumPlayers(2);
    setRow(1, "Kept", "");
    document.setFileName(dir.file("club.tms"));
    document.tournament().setModified(true);
    const Rows before = rows(4);

    prompts.saveChanges = {SaveChangesAnswer::Cancel};
    EXPECT_EQ(document.importTrf().outcome, Outcome::Cancelled);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Save changes to this chart?"});

    const std::string bad = dir.file("bad.trf");
    WriteFile(bad, TrfFileText({{1, "Ann", "", "", {"2w1"}}, {2, "Bob", "", "", {"1b1"}}}));
    const std::string missing = dir.file("missing.trf");
    prompts.saveChanges = {SaveChangesAnswer::Discard, SaveChangesAnswer::Discard};
    prompts.files = {bad, missing};
    EXPECT_EQ(document.importTrf().outcome, Outcome::Failed);
    EXPECT_EQ(document.importTrf().outcome, Outcome::Failed);
    ASSERT_EQ(prompts.errors.size(), 2u);
    EXPECT_EQ(prompts.errors[0], "Cannot import " + bad +
                                     ":\nLine 2: Round 1: the results of start numbers 1 ('1') "
                                     "and 2 ('1', line 3) disagree.");
    EXPECT_NE(prompts.errors[1].find("missing.trf"), std::string::npos) << prompts.errors[1];
    EXPECT_EQ(rows(4), before);
    EXPECT_EQ(document.fileName(), dir.file("club.tms"));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(prompts.information.empty());
}

TEST_F(WorkflowTest, ImportReplacesTheChartAsANewUnsavedEvent) {
    document.setFileName(dir.file("club.tms"));
    document.setRatingSystem(RatingSystem::Active);
    const std::string path = dir.file("rr.trf");
    WriteFile(path, TrfFileText(kRoundRobin, "\r"));
    prompts.files = {path};

    const ImportResult result = document.importTrf();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    // Not modified before: no save question.
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"file to open"});
    const Tournament& tournament = document.tournament();
    EXPECT_EQ(tournament.type(), TournamentType::RoundRobin);
    EXPECT_EQ(tournament.numPlayers(), 4);
    EXPECT_EQ(rows(7), (Rows{{"1", "Ann", "", "2000", "X", "1", "=", "1"},
                             {"2", "Bob", "", "1900", "0", "X", "1", "="},
                             {"3", "Cy", "", "1800", "=", "0", "X", "="},
                             {"4", "Di", "", "1700", "0", "=", "=", "X"}}));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.fileName().empty());
    EXPECT_FALSE(document.ratingSystem());
    ASSERT_EQ(prompts.information, std::vector<std::string>{English(result.summary)});
    EXPECT_EQ(English(result.summary).rfind("Players: 4\nRounds: 3\nType: round robin\n", 0), 0u)
        << result.summary;

    // One Undo brings back the chart the import replaced, shape and all.
    EXPECT_EQ(English(document.tournament().history().undoName()), "Import TRF");
    ASSERT_TRUE(document.tournament().undo());
    EXPECT_EQ(tournament.type(), TournamentType::Swiss);
    EXPECT_EQ(tournament.numPlayers(), Tournament::StartPlayers);
    EXPECT_EQ(tournament.chart().cell(ChartColumn::Name, 1), "");
}

class MatchTest : public WorkflowTest {
  protected:
    void SetUp() override {
        RANVIK_REQUIRE_TESTDATA();
        WorkflowTest::SetUp();
        const std::string path = dir.file("members.sqlite");
        WriteSqliteDatabase(path, ReadFixtureDescription(MembersDataDir() / "members.json"));
        table.emplace(LoadMemberTable(*OpenMemberDatabase(path)));
        document.tournament().setNumPlayers(6);
        setRow(1, "HELENE COTE", "");
        setRow(2, "John Smith", "");      // two members of that name
        setRow(3, "Marc Gagnon", "1234"); // a number typed in, though not six digits
        setRow(4, "Paul Smither", "");    // no member: similar names are offered
        setRow(5, "Zed Nobody", "");      // no member and nothing like it
        setRow(6, "Ian MacDonald", "100587");
        document.tournament().setModified(false);
    }

    static std::vector<std::string> Numbers(const MemberPickQuestion& question) {
        std::vector<std::string> numbers;
        for (const MemberCandidate& candidate : question.candidates)
            numbers.push_back(candidate.number);
        return numbers;
    }

    std::optional<MemberTable> table;
};

TEST_F(MatchTest, TakesSingleMatchesAsksTheRestAndUndoesInOneStep) {
    const Rows before = rows(3);
    prompts.ratingSystems = {RatingSystem::Regular};
    prompts.picks = {{PickAction::Pick, 1}, {PickAction::Skip, 0}};

    const MatchResult result = document.matchPlayers(&*table);
    ASSERT_EQ(result.outcome, Outcome::Done) << English(result.message);
    EXPECT_EQ(rows(3), (Rows{{"1", "Côté, Hélène", "100234", "1850"},
                             {"2", "smith, john", "101123", "1422"},
                             {"3", "Marc Gagnon", "1234", ""},
                             {"4", "Paul Smither", "", ""},
                             {"5", "Zed Nobody", "", ""},
                             {"6", "Ian MacDonald", "100587", ""}}));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.ratingSystem(), RatingSystem::Regular);

    ASSERT_EQ(prompts.pickQuestions.size(), 2u);
    const MemberPickQuestion& several = prompts.pickQuestions[0];
    EXPECT_EQ(several.row, 2);
    EXPECT_TRUE(several.sameName);
    EXPECT_EQ(Numbers(several), (std::vector<std::string>{"101122", "101123"}));
    EXPECT_EQ(several.candidates[1].province, "ON");
    EXPECT_EQ(several.candidates[1].rating, "1422");
    const MemberPickQuestion& similar = prompts.pickQuestions[1];
    EXPECT_EQ(similar.row, 4);
    EXPECT_FALSE(similar.sameName);
    ASSERT_FALSE(similar.candidates.empty());
    EXPECT_EQ(similar.candidates[0].name, "Smithers, Paul");

    EXPECT_EQ(result.matched, 2);
    EXPECT_EQ(result.picked, 1);
    EXPECT_EQ(result.left, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(prompts.information,
              std::vector<std::string>{"Players matched with the database: 2 (1 picked by you)."
                                       "\nLeft as they were: lines 3, 4, 5."});

    // The whole match is one step of the chart's history.
    EXPECT_EQ(English(document.tournament().history().undoName()), "Match players");
    ASSERT_TRUE(document.tournament().undo());
    EXPECT_EQ(rows(3), before);
}

TEST_F(MatchTest, SkipAllEndsTheQuestionsAndAKnownRatingSystemIsNotAsked) {
    document.setRatingSystem(RatingSystem::Active);
    prompts.picks = {{PickAction::SkipAll, 0}};
    const MatchResult result = document.matchPlayers(&*table);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"pick a member for line 2"});
    EXPECT_EQ(rows(3)[0], (std::vector<std::string>{"1", "Côté, Hélène", "100234", "1832"}));
    EXPECT_EQ(result.left, (std::vector<int>{2, 3, 4, 5}));

    // Matched lines now have their numbers: a second run looks only at the others.
    prompts.picks = {{PickAction::SkipAll, 0}};
    EXPECT_EQ(document.matchPlayers(&*table).matched, 0);
    EXPECT_EQ(rows(3)[0][2], "100234");
}

TEST_F(MatchTest, WithoutADatabaseNothingIsAskedOrChanged) {
    const MatchResult result = document.matchPlayers(nullptr);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(prompts.errors,
              std::vector<std::string>{"You must first open a database to match players with."});
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(document.isModified());
}

} // namespace
