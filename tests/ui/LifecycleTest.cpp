// New, Open, Save, Save as and the close question through the real window, with the
// files on disk checked after every step that may touch them.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "files/FileNames.h"
#include "files/FileWriter.h"
#include "ui/ChartView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <iterator>

using namespace ranvik;
using ranvik::test::IsWriteError;
using ranvik::test::WindowTest;

namespace {

namespace fs = std::filesystem;

const QString kSaveTournament = QStringLiteral("Save changes to this tournament?");
const QString kSaveChart = QStringLiteral("Save changes to this chart?");
const QString kTypeQuestion =
    QStringLiteral("Which kind of tournament is this chart?\nA Swiss or match chart has a column "
                   "per round; a round robin a column per player.\n\n");

// The default chart (10 players, 1 round) with one name typed into row 1.
std::string ChartWithName(const std::string& name) {
    std::string bytes = "1\t" + name + "\t\t\t\t\r\n";
    for (int r = 2; r <= 10; ++r)
        bytes += std::to_string(r) + "\t\t\t\t\t\r\n";
    return bytes;
}

class LifecycleTest : public WindowTest {
  protected:
    void TearDown() override {
        ClearInjectedWriteFailures();
        WindowTest::TearDown();
    }

    // Typing marks the chart modified, as a user's editing does.
    void typeName(const char* name) { enter(1, 1, name); }

    QString path(const char* name) const { return QString::fromStdString(dir_.file(name)); }
    std::string read(const char* name) const { return test::ReadFile(dir_.file(name)); }
    void write(const char* name, const std::string& bytes) const {
        test::WriteFile(dir_.file(name), bytes);
    }
    bool exists(const char* name) const { return fs::exists(dir_.file(name)); }

    // Runs Open up to the real file dialog and gives the file it offers; the dialog is then
    // cancelled.
    QString fileOfferedByOpenDialog() {
        QString offered;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                offered = files->selectedFiles().value(0);
            } else {
                ADD_FAILURE() << "expected the file dialog, got "
                              << modal->windowTitle().toStdString();
            }
            modal->close();
        });
        poll.start(10);
        prompts::setStrict(false); // the real dialog must show
        ui().openAction->trigger();
        prompts::setStrict(true);
        return offered;
    }

    // Saves the chart under name through Save as.
    void saveAs(const char* name) {
        prompts::enqueueFileName(path(name));
        ui().saveAsAction->trigger();
    }

    test::TempDir dir_;
};

} // namespace

// --- close question -------------------------------------------------------------------

TEST_F(LifecycleTest, CleanChartClosesWithoutAQuestion) {
    EXPECT_TRUE(form().document().mayClose()); // at start
    typeName("Ann");
    saveAs("a.tms");
    EXPECT_TRUE(form().document().mayClose()); // after a save
    typeName("Bo");
    prompts::enqueueFileName(path("a.tms"));
    prompts::enqueue(answerQuestion(1));
    prompts::enqueue(clickStandard(QMessageBox::No));
    ui().openAction->trigger();
    EXPECT_TRUE(form().document().mayClose()); // after an open
    EXPECT_EQ(cell(1, 1), "Ann");
}

TEST_F(LifecycleTest, ModifiedChartAsksAndNoClosesCancelStays) {
    typeName("Ann");
    QString question;
    prompts::enqueue(clickStandard(QMessageBox::No, &question));
    EXPECT_TRUE(form().document().mayClose());
    EXPECT_EQ(question, kSaveChart);

    prompts::enqueue(clickStandard(QMessageBox::Cancel));
    EXPECT_FALSE(form().document().mayClose());
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(LifecycleTest, YesSavesIntoTheChartFileAndCloses) {
    typeName("Ann");
    saveAs("a.tms");
    typeName("Bo");
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    EXPECT_TRUE(form().document().mayClose());
    EXPECT_EQ(read("a.tms"), ChartWithName("Bo"));
    EXPECT_FALSE(form().document().isModified());
}

TEST_F(LifecycleTest, YesThenCancelledSaveAsKeepsTheWindowOpen) {
    typeName("Ann");
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueueFileName(QString());
    ui().quitAction->trigger();
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty()) << "a cancelled save tells no error";
    EXPECT_TRUE(form().document().isModified());
    EXPECT_TRUE(fs::is_empty(dir_.path()));
    EXPECT_EQ(cell(1, 1), "Ann");
}

TEST_F(LifecycleTest, YesThenFailedWriteKeepsTheWindowOpenAndTheOldFile) {
    typeName("Ann");
    saveAs("a.tms");
    typeName("Bo");
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    InjectWriteFailure(WriteStep::Write);
    ui().quitAction->trigger();

    EXPECT_TRUE(
        IsWriteError(error, QStringLiteral("Error saving ") + path("a.tms") + QLatin1Char('.')));
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(form().document().isModified());
    EXPECT_EQ(read("a.tms"), ChartWithName("Ann"));

    // Once the write succeeds the window closes.
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    ui().quitAction->trigger();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(read("a.tms"), ChartWithName("Bo"));
}

// --- Save and Save as -----------------------------------------------------------------

TEST_F(LifecycleTest, SaveWithoutAFileNameRunsSaveAsAndAddsTms) {
    typeName("Ann");
    prompts::enqueueFileName(path("club"));
    ui().saveAction->trigger();
    EXPECT_EQ(chartFileName(), path("club.tms"));
    EXPECT_EQ(read("club.tms"), ChartWithName("Ann"));
    EXPECT_FALSE(exists("club"));
    EXPECT_FALSE(form().document().isModified());

    // Save now writes to that file without asking, even with nothing changed.
    write("club.tms", "replaced behind our back");
    ui().saveAction->trigger();
    EXPECT_EQ(read("club.tms"), ChartWithName("Ann"));
}

TEST_F(LifecycleTest, SaveAsKeepsAnotherExtensionAsTyped) {
    typeName("Ann");
    saveAs("club.txt");
    EXPECT_EQ(chartFileName(), path("club.txt"));
    EXPECT_EQ(read("club.txt"), ChartWithName("Ann"));
}

TEST_F(LifecycleTest, SaveAsAsksBeforeReplacingTheCompletedName) {
    write("club.tms", "keep me");
    typeName("Ann");
    QString question;
    prompts::enqueueFileName(path("club"));
    prompts::enqueue(clickStandard(QMessageBox::No, &question));
    ui().saveAsAction->trigger();
    EXPECT_EQ(question,
              path("club.tms") + QStringLiteral(" already exists.\nDo you want to replace it?"));
    EXPECT_EQ(read("club.tms"), "keep me");
    EXPECT_TRUE(form().document().fileName().empty());
    EXPECT_TRUE(prompts::unexpectedDialogs().isEmpty()) << "a cancelled save tells no error";
    EXPECT_TRUE(form().document().isModified());

    prompts::enqueueFileName(path("club"));
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    ui().saveAsAction->trigger();
    EXPECT_EQ(read("club.tms"), ChartWithName("Ann"));
    EXPECT_EQ(chartFileName(), path("club.tms"));
}

TEST_F(LifecycleTest, FailedFirstSaveKeepsTheTitleTheNameAndTheModifiedFlag) {
    typeName("Ann");
    QString error;
    prompts::enqueueFileName(path("no-such-folder/club.tms"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().saveAsAction->trigger();
    EXPECT_TRUE(IsWriteError(error, QStringLiteral("Error saving ") +
                                        path("no-such-folder/club.tms") + QLatin1Char('.')));
    EXPECT_EQ(chartFileName(), QString());
    EXPECT_TRUE(form().windowTitle().startsWith(QStringLiteral("Untitled[*]")));
    EXPECT_TRUE(fs::is_empty(dir_.path()));
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(LifecycleTest, CellThatCannotBeEncodedIsShownNamedAndTheFileKept) {
    write("club.tms", "keep me");
    form().document().setFileName(dir_.file("club.tms"));
    setCell(1, 3, "Anna \xC5\x81ukasz"); // not in the chart file's code page
    form().document().tournament().setModified(true);
    QString error;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().saveAction->trigger();
    EXPECT_EQ(error, QStringLiteral("Error saving ") + path("club.tms") +
                         QStringLiteral(".\nLine 3 column 1 (\"Name/Nom\") holds \"Ł\" (U+0141), a "
                                        "character that cannot be saved in a chart file."));
    EXPECT_EQ(ui().chartView->currentRow(), 3);
    EXPECT_EQ(ui().chartView->currentCol(), 1);
    EXPECT_EQ(read("club.tms"), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1)
        << "nothing but the kept file";
    EXPECT_TRUE(form().document().isModified());
}

// --- New ------------------------------------------------------------------------------

// A new chart is where its history starts: unmodified, nothing to save.
TEST_F(LifecycleTest, NewEmptiesPlayerCellsKeepsCountsAndForgetsTheName) {
    ui().roundsBox->setValue(2);
    enter(1, 5, "Eve");
    enter(2, 1, "123456");
    enter(5, 2, "d3");
    saveAs("a.tms");
    enter(1, 2, "Bo");
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().playersBox->setValue(4); // row 5 is kept hidden
    form().document().setRatingSystem(RatingSystem::Regular);
    ui().chartView->setCurrentCell(3, 3);

    QString question;
    prompts::enqueue(clickStandard(QMessageBox::No, &question));
    ui().newAction->trigger();

    EXPECT_EQ(question, kSaveTournament);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(cell(0, r), std::to_string(r));
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(cell(c, r), "") << "column " << c << " row " << r;
    }
    EXPECT_EQ(form().document().tournament().chart().cell(4, 0), "Rd 1");
    EXPECT_EQ(ui().roundsBox->value(), 2);
    EXPECT_FALSE(form().document().ratingSystem().has_value());
    EXPECT_EQ(chartFileName(), QString());
    EXPECT_FALSE(form().document().isModified());
    EXPECT_EQ(ui().chartView->currentCol(), 1);
    EXPECT_EQ(ui().chartView->currentRow(), 1);

    ui().playersBox->setValue(5);
    EXPECT_EQ(cell(1, 5), "Eve");

    // Save after New asks for a name as Save as does: the old file is left alone.
    const std::string old = read("a.tms");
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().playersBox->setValue(4);
    prompts::enqueueFileName(path("b.tms"));
    ui().saveAction->trigger();
    EXPECT_EQ(read("a.tms"), old);
    EXPECT_EQ(read("b.tms"),
              "1\t\t\t\t\t\t\r\n2\t\t\t\t\t\t\r\n3\t\t\t\t\t\t\r\n4\t\t\t\t\t\t\r\n");
}

TEST_F(LifecycleTest, NewOnACleanChartAsksNothingAndRoundRobinLosesItsX) {
    ui().typeButtons->button(1)->click();
    form().document().tournament().setModified(false);
    ASSERT_EQ(cell(4, 1), "X");
    ui().newAction->trigger();
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(cell(5, 2), "");
}

TEST_F(LifecycleTest, NewKeepsTheChartWhenTheSaveItStartedDidNotHappen) {
    typeName("Ann");
    form().document().setRatingSystem(RatingSystem::Regular);

    // Yes, then the Save as dialog is cancelled.
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueueFileName(QString());
    ui().newAction->trigger();
    EXPECT_EQ(cell(1, 1), "Ann");
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Regular);

    // Yes, then the write fails.
    form().document().setFileName(dir_.file("a.tms"));
    write("a.tms", "old chart");
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    InjectWriteFailure(WriteStep::Replace);
    ui().newAction->trigger();
    EXPECT_EQ(cell(1, 1), "Ann");
    EXPECT_EQ(read("a.tms"), "old chart");
    EXPECT_TRUE(form().document().isModified());

    // Yes, and the save works: saved, then emptied.
    prompts::enqueue(clickStandard(QMessageBox::Yes));
    ui().newAction->trigger();
    EXPECT_EQ(read("a.tms"), ChartWithName("Ann"));
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(form().document().isModified());
    EXPECT_FALSE(form().document().ratingSystem().has_value());
}

// --- Open -----------------------------------------------------------------------------

TEST_F(LifecycleTest, OpenAsksTheTypeThenLoadsTheFileUnderIt) {
    write("rr.tms", "1\tAnn\t111111\t1500\tX\t1\t=\t\r\n"
                    "2\tBo\t222222\t1400\t0\tX\t1\t\r\n"
                    "3\tCy\t\t\t=\t0\tX\t\r\n");
    form().document().setRatingSystem(RatingSystem::Active);
    QString question;
    prompts::enqueue(answerQuestion(2, &question));
    prompts::enqueueFileName(path("rr.tms"));
    ui().openAction->trigger();

    EXPECT_EQ(question, kTypeQuestion + QStringLiteral("Its first line has one result column per "
                                                       "player: probably a round robin."));
    EXPECT_EQ(form().document().tournament().type(), TournamentType::RoundRobin);
    EXPECT_EQ(ui().playersBox->value(), 3);
    EXPECT_EQ(cell(1, 2), "Bo");
    EXPECT_EQ(cell(6, 1), "=");
    EXPECT_EQ(chartFileName(), path("rr.tms"));
    EXPECT_FALSE(form().document().isModified());
    EXPECT_EQ(form().document().ratingSystem(), RatingSystem::Active);

    // Saving writes it back unchanged.
    ui().saveAction->trigger();
    EXPECT_EQ(read("rr.tms"), "1\tAnn\t111111\t1500\tX\t1\t=\t\r\n"
                              "2\tBo\t222222\t1400\t0\tX\t1\t\r\n"
                              "3\tCy\t\t\t=\t0\tX\t\r\n");

    // The next Open starts at the file opened last.
    EXPECT_EQ(fileOfferedByOpenDialog(), test::QtSpelling(dir_.path() / "rr.tms"));
}

// The file comes first, then its type: Escape at either changes nothing, type included.
TEST_F(LifecycleTest, CancelAtTheFileOrTheTypeChangesNothing) {
    write("rr.tms", "1\tAnn\t\t\tX\t1\t\r\n2\tBo\t\t\t0\tX\t\r\n");
    typeName("Cy");
    for (const bool fileChosen : {false, true}) {
        prompts::enqueueFileName(fileChosen ? path("rr.tms") : QString());
        if (fileChosen)
            prompts::enqueue([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        ui().openAction->trigger();
        EXPECT_TRUE(ui().typeButtons->button(0)->isChecked());
        EXPECT_EQ(cell(1, 1), "Cy");
        EXPECT_TRUE(form().isWindowModified());
        EXPECT_EQ(chartFileName(), QString());
    }
}

// The save question's answers once the file and its type are known: a save that did not
// happen stops the Open; one that did, or No, lets it go on.
TEST_F(LifecycleTest, OpenAsksAboutUnsavedChangesOnceTheTypeIsKnown) {
    write("b.tms", ChartWithName("Bo"));
    const struct {
        const char* name;
        QMessageBox::StandardButton answer;
        bool writeFails;
        bool opens;
        bool saved; // a.tms holds the chart afterwards
    } cases[] = {
        {"Cancel", QMessageBox::Cancel, false, false, false},
        {"Yes, the write fails", QMessageBox::Yes, true, false, false},
        {"Yes", QMessageBox::Yes, false, true, true},
        {"No", QMessageBox::No, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write("a.tms", "old chart");
        form().document().setFileName(dir_.file("a.tms"));
        typeName("Ann");
        QString question;
        prompts::enqueueFileName(path("b.tms"));
        prompts::enqueue(answerQuestion(1));
        prompts::enqueue(clickStandard(c.answer, &question));
        if (c.writeFails) {
            InjectWriteFailure(WriteStep::Create);
            prompts::enqueue(clickStandard(QMessageBox::Ok));
        }
        ui().openAction->trigger();
        ClearInjectedWriteFailures();
        EXPECT_EQ(question, kSaveChart);
        EXPECT_EQ(cell(1, 1), c.opens ? "Bo" : "Ann");
        EXPECT_EQ(read("a.tms"), c.saved ? ChartWithName("Ann") : "old chart");
        EXPECT_EQ(chartFileName(), path(c.opens ? "b.tms" : "a.tms"));
    }
}

TEST_F(LifecycleTest, UnreadableFileChangesNeitherChartNorFileName) {
    typeName("Ann");
    saveAs("a.tms");
    write("empty.tms", "");
    fs::create_directory(dir_.file("folder.tms"));

    QString error;
    prompts::enqueue(answerQuestion(1));
    prompts::enqueueFileName(path("empty.tms"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().openAction->trigger();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open ") + path("empty.tms") + ": "));

    prompts::enqueueFileName(path("folder.tms")); // refused before its type is asked
    prompts::enqueue(clickStandard(QMessageBox::Ok, &error));
    ui().openAction->trigger();
    EXPECT_TRUE(error.contains(path("folder.tms")));

    EXPECT_EQ(cell(1, 1), "Ann");
    EXPECT_EQ(ui().playersBox->value(), 10);
    EXPECT_EQ(chartFileName(), path("a.tms"));
}

// A report's chart file beside another name is not the chart's own: the chart stays
// unsaved (its title says so), and Save asks for a name.
TEST_F(LifecycleTest, AReportBesideAnotherFileLeavesTheChartUnsaved) {
    typeName("Ann");
    enter(1, 2, "Bo");
    form().document().setRatingSystem(RatingSystem::Regular);
    prompts::enqueue(fillTournamentInfo());
    prompts::enqueue(clickButton(QStringLiteral("OK"))); // the check list
    prompts::enqueueFileName(path("report.qtr"));
    prompts::enqueue(clickStandard(QMessageBox::Ok));
    ui().reportButton->click();
    ASSERT_TRUE(exists("report.tms"));
    EXPECT_TRUE(form().isWindowModified());
    prompts::enqueueFileName(path("mine.tms"));
    ui().saveAction->trigger();
    EXPECT_EQ(read("mine.tms"), read("report.tms"));
    EXPECT_FALSE(form().isWindowModified());
}

// --- file names around the save dialog -------------------------------------------------

TEST(SavePaths, ExtensionsAreChangedOrAddedInTheFileNamePartOnly) {
    EXPECT_EQ(WithExtensionChanged("/d/report.qtr", ".tms"), "/d/report.tms");
    EXPECT_EQ(WithExtensionChanged("/d/report", ".tms"), "/d/report.tms");
    EXPECT_EQ(WithExtensionChanged("", ".tms"), ".tms");
    EXPECT_EQ(WithExtensionChanged("/d.v2/report", ".tms"), "/d.v2/report.tms");
    EXPECT_EQ(WithExtensionChanged("/d/a.b.c", ".tms"), "/d/a.b.tms");
    EXPECT_EQ(WithDefaultExtension("/d.v2/club", ".tms"), "/d.v2/club.tms");
    EXPECT_EQ(WithDefaultExtension("/d/club.txt", ".tms"), "/d/club.txt");
    EXPECT_EQ(WithDefaultExtension("/d/club.", ".tms"), "/d/club.");
}
