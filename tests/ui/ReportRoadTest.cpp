// "Create report for QRB..." driven through the real window: the chart typed into the
// view, every dialog answered by script, and both files compared byte for byte.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "files/FileWriter.h"
#include "ui/ChartView.h"
#include "ui/CheckQRBNumbersDlg.h"
#include "ui/TnmtHeaderDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

using namespace ranvik;
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

    // Fills the information dialog as a user would and presses OK.
    static prompts::Script fillInformation(QString* typeShown = nullptr) {
        return [typeShown](QDialog& dialog) {
            auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
            if (typeShown)
                *typeShown = d.TournamentTypeLabel->text();
            QTest::keyClicks(d.TnmtNameLE, QStringLiteral("Spring Open"));
            QTest::keyClicks(d.ProvinceCombo->lineEdit(), QStringLiteral("ON"));
            QTest::keyClicks(d.EnddateLE, QStringLiteral("2008/06/18"));
            QTest::keyClicks(d.TDNumLE, QStringLiteral("654321"));
            d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        };
    }

    // Confirms the membership-number list, remembering it.
    static prompts::Script confirmList(QString* list = nullptr) {
        return [list](QDialog& dialog) {
            if (list)
                *list = static_cast<TCheckQRBNumbersDlg&>(dialog).Memo1->toPlainText();
            dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        };
    }

    static prompts::Script pressCancel() {
        return [](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        };
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
    prompts::enqueue(answerMsgDlg(1, &question));
    prompts::enqueue(confirmList(&list));
    prompts::enqueue(fillInformation(&typeShown));
    prompts::enqueueFileName(path("spring")); // typed without an extension
    prompts::enqueue(clickStandard(QMessageBox::Ok, &confirmation));
    QTest::mouseClick(form().CreateReportBtn, Qt::LeftButton);

    EXPECT_EQ(question, "What rating system did this event use?");
    EXPECT_EQ(list, "Bo Chen, ");
    EXPECT_EQ(typeShown, "Swiss");
    EXPECT_EQ(read("spring.qtr"), kTwoPlayerReport);
    EXPECT_EQ(read("spring.tms"), kTwoPlayerChart);
    EXPECT_EQ(confirmation, QStringLiteral("Ratings reports saved to file: \n") +
                                path("spring.qtr") + QLatin1Char('\n') + path("spring.tms") +
                                QStringLiteral("\n\nThese are the two files you submit to the QRB "
                                               "office to rate this section."));
    // Validation dropped the empty rows; the chart file clears Modified but is not the
    // window's chart file.
    EXPECT_EQ(form().NumPlayersSE->value(), 2);
    EXPECT_EQ(form().RatingField, "RATING");
    EXPECT_FALSE(form().Modified());
    EXPECT_TRUE(form().ChartFileName.isEmpty());
}

TEST_F(ReportRoadTest, SecondReportAsksNoRatingAndShowsTheFirstInformation) {
    typeTwoPlayerChart();
    QString list;
    prompts::enqueue(answerMsgDlg(2));
    prompts::enqueue(confirmList(&list));
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("first.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    form().CreateReportBtnClick();
    ASSERT_TRUE(exists("first.qtr"));

    QString nameShown, dateShown;
    prompts::enqueue(confirmList(&list));
    prompts::enqueue([&](QDialog& dialog) {
        auto& d = static_cast<TTnmtHeaderDlg&>(dialog);
        nameShown = d.TnmtNameLE->text();
        dateShown = d.EnddateLE->text();
        QTest::keyClick(d.TDNumLE, Qt::Key_Return);
    });
    prompts::enqueueFileName(path("second.txt")); // another extension stays
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    form().CreateReportBtnClick();

    EXPECT_EQ(nameShown, "Spring Open");
    EXPECT_EQ(dateShown, "2008/06/18");
    EXPECT_EQ(form().RatingField, "ACT_RATING");
    // Active rating: the eighth header field is A.
    std::string expected = kTwoPlayerReport;
    expected.replace(expected.find("\"R\",\"654321\""), 3, "\"A\"");
    EXPECT_EQ(read("second.txt"), expected);
    EXPECT_EQ(read("second.tms"), kTwoPlayerChart);
}

TEST_F(ReportRoadTest, ChartFileThatCannotBeWrittenLeavesTheReportAndNoConfirmation) {
    typeTwoPlayerChart();
    fs::create_directory(dir_.file("held.tms")); // the chart's path is taken by a folder
    QString error;
    prompts::enqueue(answerMsgDlg(1));
    prompts::enqueue(confirmList());
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("held.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    form().CreateReportBtnClick();

    EXPECT_EQ(error, QStringLiteral("Error saving ") + path("held.tms") + QLatin1Char('.'));
    EXPECT_EQ(read("held.qtr"), kTwoPlayerReport);
    EXPECT_TRUE(form().ChartSaveFailed);
    EXPECT_TRUE(form().Modified());
}

TEST_F(ReportRoadTest, NameTheChartFileCannotCarryWritesNeitherFile) {
    typeTwoPlayerChart();
    setCell(1, 2, "\xE6\x9D\x8E, \xE4\xB8\xAD\xE5\xB9\xB3"); // a name in Chinese characters
    QString error;
    prompts::enqueue(answerMsgDlg(1));
    prompts::enqueue(confirmList());
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("cjk.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    form().CreateReportBtnClick();

    EXPECT_TRUE(error.startsWith(QStringLiteral("Error saving ") + path("cjk.tms") + QLatin1Char('.')))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Line 2 column 1"))) << error.toStdString();
    EXPECT_FALSE(exists("cjk.qtr"));
    EXPECT_FALSE(exists("cjk.tms"));
    EXPECT_TRUE(form().Modified());
}

TEST_F(ReportRoadTest, ReportFileThatCannotBeWrittenStopsBeforeTheChartFile) {
    typeTwoPlayerChart();
    test::WriteFile(dir_.file("old.qtr"), "earlier report");
    QString error;
    prompts::enqueue(answerMsgDlg(1));
    prompts::enqueue(confirmList());
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("old.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(WriteStep::Write);
    form().CreateReportBtnClick();

    EXPECT_EQ(error, QStringLiteral("Error saving report to file: ") + path("old.qtr"));
    EXPECT_EQ(read("old.qtr"), "earlier report");
    EXPECT_FALSE(exists("old.tms"));
    EXPECT_TRUE(form().Modified());
}

TEST_F(ReportRoadTest, FaultyCellGetsTheCursorAndItsMessageAndNothingElseIsAsked) {
    typeTwoPlayerChart();
    setCell(1, 2, "");
    setCell(1, 3, "Cy Dow"); // row 2 is now a nameless row inside the chart
    QString error;
    prompts::enqueue(answerMsgDlg(1));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    form().CreateReportBtnClick();

    EXPECT_EQ(error, "Missing name. Line 2 column 1.");
    EXPECT_EQ(form().StringGrid1->currentRow(), 2);
    EXPECT_EQ(form().StringGrid1->currentCol(), 1);
    EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(ReportRoadTest, EveryCancelStopsWithNothingWritten) {
    typeTwoPlayerChart();
    form().RatingField = QStringLiteral("RATING");

    // Inconsistent pair, answered Cancel.
    setCell(4, 2, "W1");
    prompts::enqueue(clickButton(QStringLiteral("Cancel")));
    form().CreateReportBtnClick();
    setCell(4, 2, "L1");

    prompts::enqueue(pressCancel()); // the membership-number list
    form().CreateReportBtnClick();

    prompts::enqueue(confirmList());
    prompts::enqueue(pressCancel()); // the information dialog
    form().CreateReportBtnClick();

    prompts::enqueue(confirmList());
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(QString()); // the save dialog
    form().CreateReportBtnClick();

    EXPECT_TRUE(fs::is_empty(dir_.path()));
    EXPECT_TRUE(form().Modified());
}

TEST_F(ReportRoadTest, EveryPlayerWithASixDigitNumberSkipsTheList) {
    typeTwoPlayerChart();
    enter(2, 2, "000042");
    enter(3, 2, "unr");
    prompts::enqueue(answerMsgDlg(1));
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("all.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    form().CreateReportBtnClick();
    EXPECT_NE(read("all.qtr").find("\"000042\"\r\n\"L\",\"1\"\r\n\"0.0\"\r\n"), std::string::npos);
}

TEST_F(ReportRoadTest, ExtensionAddedToAnExistingFileAsksBeforeReplacingIt) {
    typeTwoPlayerChart();
    form().RatingField = QStringLiteral("RATING");
    test::WriteFile(dir_.file("taken.qtr"), "keep me");
    QString question;
    prompts::enqueue(confirmList());
    prompts::enqueue(fillInformation());
    prompts::enqueueFileName(path("taken"));
    prompts::enqueue(clickStandard(QMessageBox::No, &question));
    form().CreateReportBtnClick();
    EXPECT_EQ(question,
              path("taken.qtr") + QStringLiteral(" already exists.\nDo you want to replace it?"));
    EXPECT_EQ(read("taken.qtr"), "keep me");
    EXPECT_FALSE(exists("taken.tms"));

    prompts::enqueue(confirmList());
    prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    prompts::enqueueFileName(path("taken"));
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    form().CreateReportBtnClick();
    EXPECT_EQ(read("taken.qtr"), kTwoPlayerReport);
}
