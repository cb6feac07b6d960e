// The keyboard (focus, cell moves, Enter option, standard shortcuts), the title, recent
// charts and the folder each kind of file dialog starts in, driven through the real window.

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <filesystem>
#include <utility>

using namespace ranvik;
using namespace ranvik::test;

namespace {

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        std::filesystem::remove(ranvik::platform::PathFromUtf8(ranvik::DefaultSettingsPath()));
        WindowTest::SetUp();
    }
    ChartView& view() { return *ui().chartView; }
    bool editing() { return keyTarget() != ui().chartView; }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyTarget(), static_cast<Qt::Key>(k), modifiers);
    }
    QString writeChart(const std::string& name) {
        const std::string path = dir_.file(name);
        WriteFile(path, "Ann Lee\t100234\t1850\t\r\nBo Chen\t101122\t1655\t\r\n");
        return QString::fromStdString(path);
    }
    TempDir dir_;
};

} // namespace

TEST_F(KeyboardTest, TheChartHasTheFocusAtStartAndAfterADialog) {
    EXPECT_EQ(QApplication::focusWidget(), &view());
    ui().playersBox->setFocus();
    prompts::enqueue(clickButton(QStringLiteral("OK")));
    ui().aboutAction->trigger();
    EXPECT_EQ(QApplication::focusWidget(), &view());
}

// Each key moves the current cell without opening the editor: (key, from col/row, to).
struct Move {
    int key;
    Qt::KeyboardModifiers modifiers;
    int col, row, toCol, toRow;
};

TEST_F(KeyboardTest, MovingKeysNeverOpenTheEditor) {
    ui().roundsBox->setValue(3);
    const Move moves[] = {
        {Qt::Key_Right, Qt::NoModifier, 1, 1, 2, 1},
        {Qt::Key_Down, Qt::NoModifier, 1, 1, 1, 2},
        {Qt::Key_Tab, Qt::NoModifier, 1, 1, 2, 1},
        {Qt::Key_Backtab, Qt::ShiftModifier, 2, 1, 1, 1},
        {Qt::Key_End, Qt::NoModifier, 1, 3, 6, 3},
        {Qt::Key_Home, Qt::NoModifier, 5, 3, 1, 3},
        {Qt::Key_End, Qt::ControlModifier, 1, 1, 6, 10},
        {Qt::Key_Home, Qt::ControlModifier, 4, 7, 1, 1},
    };
    for (const Move& m : moves) {
        select(m.col, m.row);
        key(m.key, m.modifiers);
        EXPECT_EQ(view().currentCol(), m.toCol) << m.key;
        EXPECT_EQ(view().currentRow(), m.toRow) << m.key;
        EXPECT_FALSE(editing()) << m.key;
    }
    // Tab from an open editor commits and moves on, and the next cell's editor stays shut.
    select(1, 1);
    type(QStringLiteral("Ann"));
    EXPECT_TRUE(editing());
    key(Qt::Key_Tab);
    EXPECT_EQ(cell(1, 1), "Ann");
    EXPECT_EQ(view().currentCol(), 2);
    EXPECT_FALSE(editing());
    key(Qt::Key_F2);
    EXPECT_TRUE(editing());
}

TEST_F(KeyboardTest, EnterMovesDownWhenTheOptionIsOnAndTheOptionIsRemembered) {
    auto* option = form().findChild<QAction*>(QStringLiteral("enterMovesAction"));
    ASSERT_NE(option, nullptr);
    EXPECT_FALSE(option->isChecked());
    enter(1, 1, QStringLiteral("Ann"));
    EXPECT_EQ(view().currentRow(), 1); // today's behaviour: Enter stays

    option->trigger();
    enter(1, 2, QStringLiteral("Bo"));
    EXPECT_EQ(view().currentRow(), 3);
    EXPECT_FALSE(editing());
    // A result typed with the option on updates the opponent as Enter always did.
    enter(4, 1, QStringLiteral("W2"));
    EXPECT_EQ(cell(4, 2), "L1");
    EXPECT_EQ(view().currentRow(), 2);

    // A new window reads the option back.
    form().document().tournament().setModified(false);
    TearDown();
    WindowTest::SetUp();
    EXPECT_TRUE(form().findChild<QAction*>(QStringLiteral("enterMovesAction"))->isChecked());
    EXPECT_TRUE(ui().chartView->enterMovesDown());
}

TEST_F(KeyboardTest, StandardShortcutsAreOnTheirActions) {
    const std::pair<QAction*, QKeySequence> keys[] = {
        {ui().newAction, QKeySequence(QKeySequence::New)},
        {ui().openAction, QKeySequence(QKeySequence::Open)},
        {ui().saveAction, QKeySequence(QKeySequence::Save)},
        {ui().saveAsAction, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {ui().quitAction, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {ui().helpAction, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [action, sequence] : keys)
        EXPECT_EQ(action->shortcut(), sequence) << action->objectName().toStdString();
    // Ctrl+F puts the focus in the Name box, showing the database view if it was hidden.
    auto* find = form().findChild<QAction*>(QStringLiteral("findMemberAction"));
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->shortcut(), QKeySequence(QKeySequence::Find));
    ui().showMembersBox->click();
    find->trigger();
    EXPECT_TRUE(ui().showMembersBox->isChecked());
    EXPECT_TRUE(ui().memberNameSearch->hasFocus());
    // F1, pressed in the chart, shows the help.
    view().setFocus();
    prompts::enqueue(clickButton(QStringLiteral("OK")));
    QTest::keyClick(&view(), Qt::Key_F1);
    EXPECT_EQ(prompts::pendingScripts(), 0);
}

TEST_F(KeyboardTest, TitleShowsTheFileAndTheModifiedMarkAndRecentChartsReopen) {
    EXPECT_TRUE(form().windowTitle().startsWith(QStringLiteral("Untitled[*] - Ranvik")));
    EXPECT_FALSE(form().isWindowModified());
    enter(1, 1, QStringLiteral("Ann"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form().isWindowModified());

    // Save as on a new chart proposes no name, never ".tms".
    const QString saved = QString::fromStdString(dir_.file("spring.tms"));
    prompts::enqueueFileName(saved);
    ui().saveAsAction->trigger();
    EXPECT_FALSE(prompts::lastFileProposal().endsWith(QStringLiteral(".tms")));
    EXPECT_TRUE(form().windowTitle().startsWith(QStringLiteral("spring.tms[*] - ")));
    EXPECT_EQ(form().windowFilePath(), saved);
    EXPECT_FALSE(form().isWindowModified());
    // Save as again proposes the chart's own name.
    prompts::enqueueFileName(saved);
    ui().saveAsAction->trigger();
    EXPECT_EQ(prompts::lastFileProposal(), test::QtSpelling(dir_.path() / "spring.tms"));

    const QString other = writeChart("other.tms");
    prompts::enqueue(answerQuestion(1));
    prompts::enqueueFileName(other);
    ui().openAction->trigger();
    // The open dialog started in the chart folder.
    EXPECT_TRUE(prompts::lastFileProposal().startsWith(test::QtSpelling(dir_.path())));

    auto* recent = form().findChild<QMenu*>(QStringLiteral("recentMenu"));
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    QStringList shown;
    for (QAction* a : recent->actions())
        shown << a->data().toString();
    EXPECT_EQ(shown, QStringList({other, saved}));

    // Open recent asks the type as Open does, then opens the file.
    prompts::enqueue(answerQuestion(1));
    recent->actions().at(1)->trigger();
    EXPECT_EQ(chartFileName(), saved);
    EXPECT_EQ(cell(1, 1), "Ann");
    EXPECT_EQ(QApplication::focusWidget(), &view());
}

TEST_F(KeyboardTest, EachKindOfFileStartsInItsOwnFolder) {
    TempDir databases;
    const std::filesystem::path db = databases.path() / "none.mdb";
    prompts::enqueueFileName(QString::fromStdString(db.string()));
    prompts::enqueue(clickStandard(QMessageBox::Ok)); // it is not there
    ui().openDatabaseAction->trigger();

    const QString chart = writeChart("c.tms");
    prompts::enqueue(answerQuestion(1));
    prompts::enqueueFileName(chart);
    ui().openAction->trigger();
    // The chart dialog did not start in the database folder.
    EXPECT_FALSE(prompts::lastFileProposal().startsWith(test::QtSpelling(databases.path())));

    prompts::enqueueFileName(QString());
    ui().openDatabaseAction->trigger();
    EXPECT_EQ(prompts::lastFileProposal(),
              test::QtSpelling(databases.path()) + QStringLiteral("/"));
    EXPECT_EQ(QApplication::focusWidget(), &view());
}

// The folders chosen in one run are where the next run's dialogs start, each kind its own.
TEST_F(KeyboardTest, EachKindsFolderIsKeptForTheNextRun) {
    TempDir databases;
    const QString chartFolder = test::QtSpelling(dir_.path());
    const QString databaseFolder = test::QtSpelling(databases.path());
    {
        const auto run = CreateAppWindows();
        run->mainWindow->show();
        const MainWindowParts parts(*run->mainWindow);
        prompts::enqueueFileName(databaseFolder + QStringLiteral("/none.mdb"));
        prompts::enqueue(clickStandard(QMessageBox::Ok)); // it is not there
        parts.openDatabaseAction->trigger();
        prompts::enqueueFileName(writeChart("c.tms"));
        prompts::enqueue(answerQuestion(1));
        parts.openAction->trigger();
    }
    const auto next = CreateAppWindows();
    next->mainWindow->show();
    const MainWindowParts parts(*next->mainWindow);
    // (action, the folder it starts in); a cancelled chooser asks nothing more.
    const std::pair<QAction*, QString> starts[] = {{parts.openDatabaseAction, databaseFolder},
                                                   {parts.openAction, chartFolder}};
    for (const auto& [action, folder] : starts) {
        prompts::enqueueFileName(QString());
        action->trigger();
        EXPECT_EQ(prompts::lastFileProposal(), folder + QStringLiteral("/"));
    }
}
