#include "ScriptedPrompts.h"

#include "document/ChartDocument.h"
#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "members/MemberTable.h"
#include "support/DocumentPrinters.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ranvik;
using ranvik::test::ReadFile;
using ranvik::test::ScriptedPrompts;
using ranvik::test::TempDir;
using ranvik::test::WriteFile;

namespace {

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        document.start();
        document.tournament().setNumPlayers(2);
    }
    void TearDown() override { ClearInjectedWriteFailures(); }

    void name(int row, const std::string& text) {
        document.tournament().chart().setCell(ChartColumn::Name, row, text);
        document.tournament().setModified(true);
    }
    static MemberRows OneMember() {
        MemberRows rows;
        rows.fields = {"NUMBER", "NAME", "RATING"};
        rows.rows = {{std::string("123456"), std::string("Côté, Luc"), std::string("1850")}};
        return rows;
    }
    static TournamentInfo Info() {
        TournamentInfo info;
        info.name = "Spring Open";
        info.province = "ON";
        info.endDate = "2025/06/18";
        info.tdNumber = "100200";
        return info;
    }

    TempDir dir;
    ScriptedPrompts prompts;
    ChartDocument document{prompts};
};

} // namespace

TEST_F(DocumentTest, SaveAsCompletesTheNameAndRemembersItOnlyWhenWritten) {
    name(1, "Anne");
    name(2, "Bruno");
    prompts.files = {dir.file("club")};
    const SaveResult saved = document.saveAs();
    EXPECT_EQ(saved.outcome, Outcome::Done);
    EXPECT_EQ(document.fileName(), dir.file("club.tms"));
    EXPECT_FALSE(document.isModified());
    EXPECT_NE(ReadFile(dir.file("club.tms")).find("Anne"), std::string::npos);

    name(1, "Carla");
    InjectWriteFailure(WriteStep::Replace);
    const SaveResult failed = document.save();
    EXPECT_EQ(failed.outcome, Outcome::Failed);
    EXPECT_TRUE(document.isModified());
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("Error saving " + dir.file("club.tms") + ".\n", 0), 0u);
    EXPECT_FALSE(failed.reason.empty());
    EXPECT_NE(ReadFile(dir.file("club.tms")).find("Anne"), std::string::npos);
}

TEST_F(DocumentTest, ReplacingAFileNamedOnlyByTheAddedExtensionIsAsked) {
    WriteFile(dir.file("club.tms"), "old");
    name(1, "Anne");
    prompts.files = {dir.file("club")};
    prompts.confirmations = {false};
    EXPECT_EQ(document.saveAs().outcome, Outcome::Cancelled);
    EXPECT_EQ(ReadFile(dir.file("club.tms")), "old");
    EXPECT_TRUE(document.fileName().empty());
}

TEST_F(DocumentTest, CloseQuestionKeepsTheDocumentOpenWhenItsSaveFails) {
    name(1, "Anne");
    prompts.saveChanges = {SaveChangesAnswer::Save};
    prompts.files = {std::string("/nonexistent-folder/x.tms")};
    EXPECT_FALSE(document.mayClose());
    prompts.saveChanges = {SaveChangesAnswer::Discard};
    EXPECT_TRUE(document.mayClose());
    prompts.saveChanges = {SaveChangesAnswer::Cancel};
    EXPECT_FALSE(document.mayClose());
}

TEST_F(DocumentTest, OpenAsksFileAndTypeAndKeepsTheChartWhenTheFileIsNoChart) {
    WriteFile(dir.file("empty.tms"), "");
    name(1, "Anne");
    document.tournament().setModified(false);
    prompts.types = {TournamentType::Swiss};
    prompts.files = {dir.file("empty.tms")};
    const OpenResult opened = document.open();
    EXPECT_EQ(opened.outcome, Outcome::Failed);
    EXPECT_EQ(document.tournament().chart().cell(ChartColumn::Name, 1), "Anne");
    EXPECT_TRUE(document.fileName().empty());
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].rfind("Cannot open " + dir.file("empty.tms") + ": ", 0), 0u);

    prompts.files = {std::nullopt};
    EXPECT_EQ(document.open().outcome, Outcome::Cancelled);
}

TEST_F(DocumentTest, ReportStopsAtAFaultShowingItsCell) {
    prompts.ratingSystems = {RatingSystem::Regular};
    name(1, "Anne"); // line 2 has no name
    const ReportResult report = document.createReport();
    EXPECT_EQ(report.failure, ReportResult::Failure::Fault);
    EXPECT_EQ(report.validation.fault, ValidationFault::MissingName);
    ASSERT_EQ(prompts.shownCells.size(), 1u);
    EXPECT_EQ(prompts.shownCells[0], std::make_pair(1, 2));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "Missing name. Line 2, name.");
}

TEST_F(DocumentTest, ReportWritesBothFilesAndAsksTheRatingSystemOnce) {
    name(1, "Anne");
    name(2, "Bruno");
    prompts.ratingSystems = {RatingSystem::Active};
    prompts.info = Info();
    prompts.files = {dir.file("spring")};
    const ReportResult report = document.createReport();
    ASSERT_EQ(report.outcome, Outcome::Done) << report.message;
    EXPECT_EQ(report.reportPath, dir.file("spring.qtr"));
    EXPECT_EQ(report.chartPath, dir.file("spring.tms"));
    EXPECT_NE(ReadFile(report.reportPath).find("\"A\""), std::string::npos);
    EXPECT_TRUE(document.isModified()) << "the chart file beside it is not the chart's own";

    // The second report knows the rating system; a failed report write leaves no chart.
    prompts.files = {dir.file("summer")};
    InjectWriteFailure(WriteStep::Write);
    const ReportResult failed = document.createReport();
    EXPECT_EQ(failed.failure, ReportResult::Failure::WriteReport);
    EXPECT_FALSE(std::filesystem::exists(dir.file("summer.tms")));
    EXPECT_TRUE(prompts.ratingSystems.empty());
}

TEST_F(DocumentTest, ReportRefusesInformationTheDialogWouldRefuse) {
    name(1, "Anne");
    name(2, "Bruno");
    prompts.ratingSystems = {RatingSystem::Regular};
    prompts.info = Info();
    prompts.info->endDate = "18/06/2025";
    const ReportResult report = document.createReport();
    EXPECT_EQ(report.failure, ReportResult::Failure::Info);
    EXPECT_FALSE(report.message.empty());
}

TEST_F(DocumentTest, NewStopsWhenItsSaveIsCancelledAndForgetsTheRatingSystem) {
    name(1, "Anne");
    document.setRatingSystem(RatingSystem::Regular);
    prompts.saveChanges = {SaveChangesAnswer::Save};
    prompts.files = {std::nullopt};
    EXPECT_EQ(document.newChart(), Outcome::Cancelled);
    EXPECT_EQ(document.tournament().chart().cell(ChartColumn::Name, 1), "Anne");

    prompts.saveChanges = {SaveChangesAnswer::Discard};
    EXPECT_EQ(document.newChart(), Outcome::Done);
    EXPECT_EQ(document.tournament().chart().cell(ChartColumn::Name, 1), "");
    EXPECT_FALSE(document.ratingSystem().has_value());
}

TEST_F(DocumentTest, LoadingAMemberIntoAFullRowFollowsTheUsersChoice) {
    const MemberRows rows = OneMember();
    const MemberTable table = MemberTable::AnyTable("Members", rows);
    MemberOrdering ordering(rows, 1);
    document.setRatingSystem(RatingSystem::Regular);
    name(1, "Anne");
    name(2, "Bruno");

    prompts.rowChoices = {RowChoice::Insert};
    const LoadPlayerResult inserted = document.loadPlayer(&table, &ordering, 1);
    EXPECT_EQ(inserted.row, 1);
    const Chart& chart = document.tournament().chart();
    EXPECT_EQ(chart.cell(ChartColumn::Name, 1), "Côté, Luc");
    EXPECT_EQ(chart.cell(ChartColumn::Rating, 1), "1850");
    EXPECT_EQ(chart.cell(ChartColumn::Name, 2), "Anne");
    EXPECT_EQ(chart.cell(ChartColumn::Name, 3), "Bruno");
    EXPECT_EQ(document.tournament().numPlayers(), 3);

    // The same member again: the duplicate warning comes first, then the row question.
    prompts.confirmations = {true};
    prompts.rowChoices = {RowChoice::Cancel};
    EXPECT_EQ(document.loadPlayer(&table, &ordering, 2).outcome, Outcome::Cancelled);
    EXPECT_TRUE(prompts.confirmations.empty());
    EXPECT_EQ(document.loadPlayer(nullptr, nullptr, 2).outcome, Outcome::Failed);
    EXPECT_EQ(prompts.errors.back(), "You must first open a database to load from.");
}

// The last line counts like any other.
TEST_F(DocumentTest, AMemberWhoseNumberStandsOnTheLastLineIsAskedAboutAsADuplicate) {
    const MemberRows rows = OneMember();
    const MemberTable table = MemberTable::AnyTable("Members", rows);
    MemberOrdering ordering(rows, 1);
    document.setRatingSystem(RatingSystem::Regular);
    document.tournament().chart().setCell(ChartColumn::MemberNumber, 2, "123456");
    prompts.confirmations = {false};
    EXPECT_EQ(document.loadPlayer(&table, &ordering, 1).outcome, Outcome::Cancelled);
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Duplicate QRB number."});
}

// Opening replaces the chart: nothing before it is left to undo, and an edit after it
// undoes back to the chart as opened.
TEST_F(DocumentTest, OpeningAChartLeavesNothingToUndoAndAnEditAfterItUndoesAsBefore) {
    name(1, "Anne");
    const std::string path = dir.file("club.tms");
    WriteFile(path, "1\tAnn\t\t1500\tW2\t\r\n2\tBob\t\t1400\tL1\t\r\n3\tCy\t\t\t\t\r\n");
    ASSERT_EQ(document.openFile(path, TournamentType::Swiss).outcome, Outcome::Done);
    Tournament& t = document.tournament();
    EXPECT_FALSE(t.history().canUndo()) << English(t.history().undoName());
    EXPECT_FALSE(t.undo());
    EXPECT_FALSE(document.isModified());

    const std::string opened = EncodeChartFile(t.chart()).bytes;
    t.chart().setCell(ChartColumn::Name, 3, "Cyril");
    t.finishCellEdit();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(English(t.history().undoName()), "Name in line 3");
    ASSERT_TRUE(t.undo());
    EXPECT_EQ(EncodeChartFile(t.chart()).bytes, opened);
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(t.undo());
}

TEST_F(DocumentTest, AReportNamedLikeItsChartIsRefusedAndAskedAgain) {
    name(1, "Anne");
    name(2, "Bruno");
    prompts.ratingSystems = {RatingSystem::Regular};
    prompts.info = Info();
    prompts.files = {dir.file("spring.TMS"), dir.file("spring")};
    const ReportResult report = document.createReport();
    ASSERT_EQ(report.outcome, Outcome::Done) << report.message;
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors[0].find(".tms"), std::string::npos) << prompts.errors[0];
    EXPECT_EQ(report.reportPath, dir.file("spring.qtr"));
    // Nothing under the refused name (on Windows it would be the chart file itself).
    EXPECT_EQ(ranvik::test::FilesIn(dir.path()),
              (std::set<std::string>{"spring.qtr", "spring.tms"}));
}

// A member whose name a chart file cannot hold is asked about at load time, with the
// nearest spelling offered; the load is one undo step.
TEST_F(DocumentTest, AMemberNameTheFileCannotHoldIsAskedAboutAtOnce) {
    MemberRows rows;
    rows.fields = {"NUMBER", "NAME", "RATING"};
    rows.rows = {{std::string("123456"), std::string("Łukaszewicz, Piotr"), std::string("1850")},
                 {std::string("234567"), std::string("Dvořák, Aleš"), std::string("1700")}};
    const MemberTable table = MemberTable::AnyTable("Members", rows);
    MemberOrdering ordering(rows, 1);
    document.setRatingSystem(RatingSystem::Regular);
    const Chart& chart = document.tournament().chart();

    // Ordered by name: Dvořák first. Windows-1252 holds š but not ř.
    prompts.spellings = {SpellingChoice::Nearest};
    ASSERT_EQ(document.loadPlayer(&table, &ordering, 1).outcome, Outcome::Done);
    EXPECT_EQ(prompts.asked.back(), "spelling of Dvořák, Aleš or Dvorák, Aleš");
    EXPECT_EQ(chart.cell(ChartColumn::Name, 1), "Dvorák, Aleš");
    EXPECT_EQ(English(document.tournament().history().undoName()), "Load player");
    document.tournament().undo();
    EXPECT_EQ(chart.cell(ChartColumn::Name, 1), "");
    EXPECT_EQ(chart.cell(ChartColumn::Rating, 1), "");

    ordering.next();
    prompts.spellings = {SpellingChoice::Cancel};
    EXPECT_EQ(document.loadPlayer(&table, &ordering, 1).outcome, Outcome::Cancelled);
    EXPECT_EQ(prompts.asked.back(), "spelling of Łukaszewicz, Piotr or Lukaszewicz, Piotr");
    EXPECT_EQ(chart.cell(ChartColumn::Name, 1), "");

    prompts.spellings = {SpellingChoice::AsItIs};
    ASSERT_EQ(document.loadPlayer(&table, &ordering, 2).outcome, Outcome::Done);
    EXPECT_EQ(chart.cell(ChartColumn::Name, 2), "Łukaszewicz, Piotr");
}

TEST_F(DocumentTest, NewForgetsTheFileNameAndTheHistory) {
    document.setFileName("spring6.tms");
    name(1, "Anne");
    document.tournament().setModified(false);
    EXPECT_EQ(document.newChart(), Outcome::Done);
    EXPECT_EQ(document.fileName(), "");
    EXPECT_FALSE(document.tournament().undo());
}
