// "Create report for QRB..." driven through the real window: the chart typed into the
// view, every dialog answered by script, and both files compared byte for byte.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "files/FileWriter.h"
#include "ui/ChartView.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

using namespace ranvik;
using ranvik::test::IsWriteError;
using ranvik::test::WindowTest;

namespace {

namespace fs = std::filesystem;

const char kTwoPlayerReport[] = "\"Spring Open\",\"ON\",\"\",\"S\",\"2008/06/18\",\"2\",\"1\","
                                "\"R\",\"654321\",\"\"\r\n"
                                "\"123456\"\r\n\"W\",\"2\"\r\n\"1.0\"\r\n"
                                "\"999999\"\r\n\"L\",\"1\"\r\n\"0.0\"\r\n";
const char kTwoPlayerChart[] = "1\tAnn Lee\t123456\t1500\tW2\t\r\n"
                               "2\tBo Chen\t\t\tL1\t\r\n";

class ReportRoadTest : public WindowTest {
  protected:
    void TearDown() override {
        ClearInjectedWriteFailures();
        WindowTest::TearDown();
    }

    // Two players typed into the real view; the opponent update writes L1 for player 2.
    void typeTwoPlayerChart() {
        enter(1, 1, "Ann Lee");
        enter(2, 1, "123456");
        enter(3, 1, "1500");
        enter(4, 1, "w2");
        enter(1, 2, "Bo Chen");
    }

    QString path(const char* name) const { return QString::fromStdString(dir_.file(name)); }
    std::string read(const char* name) const { return test::ReadFile(dir_.file(name)); }
    bool exists(const char* name) const { return fs::exists(dir_.file(name)); }

    test::TempDir dir_;
};

} // namespace

TEST_F(ReportRoadTest, TypedChartGivesTheReportAndTheChartFileSideBySide) {
    typeTwoPlayerChart();
    ASSERT_EQ(cell(4, 2), "L1");

    QString question, list, typeShown, confirmation;
    prompts::enqueue(answerQuestion(1, &question));
    prompts::enqueue(fillTournamentInfo(&typeShown));
    prompts::enqueue(confirmNumberList(&list));
    prompts::enqueueFileName(path("spring")); // typed without an extension
    prompts::enqueue(clickStandard(QMessageBox::Ok, &confirmation));
    QTest::mouseClick(ui().reportButton, Qt::LeftButton);

    EXPECT_EQ(question, "What rating system did this event use?");
    EXPECT_EQ(list, "Bo Chen: no membership number");
    EXPECT_EQ(typeShown, "Swiss");
    EXPECT_EQ(read("spring.qtr"), kTwoPlayerReport);
    EXPECT_EQ(read("spring.tms"), kTwoPlayerChart);
    EXPECT_EQ(confirmation, QStringLiteral("Ratings reports saved to file: \n") +
                                path("spring.qtr") + QLatin1Char('\n') + path("spring.tms") +
                                QStringLiteral("\n\nThese are the two files you submit to the QRB "
                                               "office to rate this section."));
    // Validation dropped the empty rows; the chart file beside the report is not the chart's
    // own (it has none), so the chart stays unsaved.
    EXPECT_EQ(ui().playersBox->value(), 2);
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Regular);
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(form().document().fileName().empty());
}

TEST_F(ReportRoadTest, SecondReportAsksNoRatingAndShowsTheFirstInformation) {
    typeTwoPlayerChart();
    QString list;
    prompts::enqueue(answerQuestion(2));
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(confirmNumberList(&list));
    prompts::enqueueFileName(path("first.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().reportAction->trigger();
    ASSERT_TRUE(exists("first.qtr"));

    QString nameShown, dateShown;
    prompts::enqueue([&](QDialog& dialog) {
        nameShown = test::PartOf<QLineEdit>(dialog, "nameEdit")->text();
        dateShown = test::PartOf<QLineEdit>(dialog, "endDateEdit")->text();
        QTest::keyClick(test::PartOf<QLineEdit>(dialog, "directorNumberEdit"), Qt::Key_Return);
    });
    prompts::enqueue(confirmNumberList(&list));
    prompts::enqueueFileName(path("second.txt")); // another extension stays
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().reportAction->trigger();

    EXPECT_EQ(nameShown, "Spring Open");
    EXPECT_EQ(dateShown, "2008/06/18");
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Active);
    // Active rating: the eighth header field is A.
    std::string expected = kTwoPlayerReport;
    expected.replace(expected.find("\"R\",\"654321\""), 3, "\"A\"");
    EXPECT_EQ(read("second.txt"), expected);
    EXPECT_EQ(read("second.tms"), kTwoPlayerChart);
}

TEST_F(ReportRoadTest, ChartFileThatCannotBeWrittenLeavesNeitherFileAndNoConfirmation) {
    typeTwoPlayerChart();
    fs::create_directory(dir_.file("held.tms")); // the chart's path is taken by a folder
    QString error;
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(confirmNumberList());
    prompts::enqueueFileName(path("held.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().reportAction->trigger();

    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving ") + path("held.tms") + QLatin1Char('.')));
    // The pair is written whole or not at all: no report without its chart.
    EXPECT_FALSE(fs::exists(dir_.file("held.qtr")));
    EXPECT_TRUE(fs::is_directory(dir_.file("held.tms")));
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(ReportRoadTest, NameTheChartFileCannotCarryWritesNeitherFile) {
    typeTwoPlayerChart();
    setCell(1, 2, "\xE6\x9D\x8E, \xE4\xB8\xAD\xE5\xB9\xB3"); // a name in Chinese characters
    QString error;
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(confirmNumberList());
    prompts::enqueueFileName(path("cjk.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().reportAction->trigger();

    EXPECT_TRUE(
        error.startsWith(QStringLiteral("Error saving ") + path("cjk.tms") + QLatin1Char('.')))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Line 2 column 1"))) << error.toStdString();
    EXPECT_FALSE(exists("cjk.qtr"));
    EXPECT_FALSE(exists("cjk.tms"));
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(ReportRoadTest, ReportFileThatCannotBeWrittenStopsBeforeTheChartFile) {
    typeTwoPlayerChart();
    test::WriteFile(dir_.file("old.qtr"), "earlier report");
    QString error;
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(confirmNumberList());
    prompts::enqueueFileName(path("old.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(WriteStep::Write);
    ui().reportAction->trigger();

    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving report to file: ") + path("old.qtr")));
    EXPECT_EQ(read("old.qtr"), "earlier report");
    EXPECT_FALSE(exists("old.tms"));
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(ReportRoadTest, FaultyCellGetsTheCursorAndItsMessageAndNothingElseIsAsked) {
    typeTwoPlayerChart();
    setCell(1, 2, "");
    setCell(1, 3, "Cy Dow"); // row 2 is now a nameless row inside the chart
    QString error;
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().reportAction->trigger();

    EXPECT_EQ(error, "Missing name. Line 2, name.");
    EXPECT_EQ(ui().chartView->currentRow(), 2);
    EXPECT_EQ(ui().chartView->currentCol(), 1);
    EXPECT_TRUE(fs::is_empty(dir_.path()));
}

// Each question of the report cancelled, with its Cancel, Escape or the close button:
// nothing is written and the chart stays as it was.
TEST_F(ReportRoadTest, EveryCancelStopsWithNothingWritten) {
    typeTwoPlayerChart();
    const prompts::Script escape = [](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    const prompts::Script close = [](QDialog& dialog) { dialog.close(); };
    const struct {
        const char* step;
        std::vector<prompts::Script> answers;
        bool inconsistent;
        bool ratingKnown; // afterwards
    } steps[] = {
        {"the rating system, Escape", {escape}, false, false},
        {"the rating system, closed", {close}, false, false},
        {"the rating system, Cancel", {clickButton(QStringLiteral("Cancel"))}, false, false},
        {"an inconsistency",
         {answerQuestion(1), clickButton(QStringLiteral("Cancel"))},
         true,
         true},
        {"the information", {answerQuestion(2), escape}, false, true},
        {"the check list", {answerQuestion(1), fillTournamentInfo(), close}, false, true},
        {"the file", {answerQuestion(1), fillTournamentInfo(), confirmNumberList()}, false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        form().document().setRatingSystem(std::nullopt);
        setCell(4, 2, step.inconsistent ? "W1" : "L1");
        for (const prompts::Script& answer : step.answers)
            prompts::enqueue(answer);
        if (std::string(step.step) == "the file")
            prompts::enqueueFileName(QString());
        ui().reportAction->trigger();
        EXPECT_TRUE(fs::is_empty(dir_.path()));
        EXPECT_TRUE(form().document().isModified());
        EXPECT_EQ(form().document().ratingSystem().has_value(), step.ratingKnown);
        EXPECT_EQ(cell(1, 2), "Bo Chen");
    }
}

TEST_F(ReportRoadTest, EveryPlayerWithASixDigitNumberSkipsTheList) {
    typeTwoPlayerChart();
    enter(2, 2, "000042");
    enter(3, 2, "unr");
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueueFileName(path("all.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().reportAction->trigger();
    EXPECT_NE(read("all.qtr").find("\"000042\"\r\n\"L\",\"1\"\r\n\"0.0\"\r\n"), std::string::npos);
}

TEST_F(ReportRoadTest, ExtensionAddedToAnExistingFileAsksBeforeReplacingIt) {
    typeTwoPlayerChart();
    form().document().setRatingSystem(RatingSystem::Regular);
    test::WriteFile(dir_.file("taken.qtr"), "keep me");
    QString question;
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(confirmNumberList());
    prompts::enqueueFileName(path("taken"));
    prompts::enqueue(clickStandard(QMessageBox::No, &question));
    ui().reportAction->trigger();
    EXPECT_EQ(question,
              path("taken.qtr") + QStringLiteral(" already exists.\nDo you want to replace it?"));
    EXPECT_EQ(read("taken.qtr"), "keep me");
    EXPECT_FALSE(exists("taken.tms"));

    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    prompts::enqueue(confirmNumberList());
    prompts::enqueueFileName(path("taken"));
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().reportAction->trigger();
    EXPECT_EQ(read("taken.qtr"), kTwoPlayerReport);
}
