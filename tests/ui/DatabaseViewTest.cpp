// The membership database view: start-up and settings, opening files, the three orderings,
// the incremental search, the navigator and hiding the view.

#include "DatabaseTestSupport.h"

#include "ui/Application.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

using namespace ranvik;
using namespace ranvik::test;

namespace {

// The program from start to end with a given program folder and settings file content
// (none when empty). Gives the settings file as written at the end.
struct ProgramRun {
    int rowsShown = -1;
    QString databaseFileName;
    QString membersTable;
    QStringList dialogs;
    int chartRows = 0;
    std::string settingsAtEnd;
};

ProgramRun RunProgram(const std::filesystem::path& programFolder, const std::string& settings) {
    const auto ini = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Ranvik.ini";
    std::filesystem::remove(ini);
    if (!settings.empty())
        WriteFile(ini, settings);
    prompts::clearQueues();
    ProgramRun run;
    {
        auto windows = CreateAppWindows();
        MainWindow& window = *windows->mainWindow;
        window.setProgramFolder(QString::fromStdString(programFolder.string()) + '/');
        window.show();
        const MainWindowParts ui(window);
        run.rowsShown = ui.membersView->model()->rowCount();
        run.databaseFileName = window.databasePath();
        run.membersTable = window.membersTableName();
        run.chartRows = ui.chartView->model()->rowCount();
        run.dialogs = prompts::unexpectedDialogs();
    }
    run.settingsAtEnd = ReadFile(ini);
    std::filesystem::remove(ini);
    return run;
}

std::string SettingsNaming(const std::string& path) {
    return "[Database]\nDatabase name=" + path + "\n";
}

class DatabaseViewTest : public DatabaseTest {};

} // namespace

TEST(DatabaseStartup, DefaultFileBesideTheProgramOpensAndIsRememberedAtTheEnd) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir folder;
    std::filesystem::copy_file(MembersDataDir() / "QRBMembers.mde",
                               folder.path() / "QRBMembers.mde");
    const ProgramRun run = RunProgram(folder.path(), "");
    const std::string path = folder.file("QRBMembers.mde");
    EXPECT_EQ(run.rowsShown, 62);
    EXPECT_EQ(run.membersTable, "Members");
    EXPECT_EQ(run.databaseFileName.toStdString(), path);
    EXPECT_TRUE(run.dialogs.isEmpty()) << run.dialogs.join(" | ").toStdString();
    EXPECT_EQ(run.settingsAtEnd, SettingsNaming(path));
}

TEST(DatabaseStartup, NoFileAnywhereShowsNothingAndSaysNothing) {
    TempDir folder;
    const ProgramRun run = RunProgram(folder.path(), "");
    EXPECT_EQ(run.rowsShown, 0);
    EXPECT_EQ(run.chartRows, 10);
    EXPECT_TRUE(run.dialogs.isEmpty()) << run.dialogs.join(" | ").toStdString();
    // The default path is what the run used, so it is what is remembered.
    EXPECT_EQ(run.settingsAtEnd, SettingsNaming(folder.file("QRBMembers.mde")));
}

TEST(DatabaseStartup, RememberedPathThatIsGoneIsKeptAndTheDefaultIsNotTried) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir folder;
    std::filesystem::copy_file(MembersDataDir() / "QRBMembers.mde",
                               folder.path() / "QRBMembers.mde");
    const std::string gone = folder.file("moved away/old.mdb");
    const ProgramRun run =
        RunProgram(folder.path(), "; kept\n[Other]\nx=1\n" + SettingsNaming(gone));
    EXPECT_EQ(run.rowsShown, 0);
    EXPECT_EQ(run.databaseFileName.toStdString(), gone);
    EXPECT_TRUE(run.dialogs.isEmpty()) << run.dialogs.join(" | ").toStdString();
    EXPECT_NE(run.settingsAtEnd.find("Database name=" + gone), std::string::npos)
        << run.settingsAtEnd;
    EXPECT_NE(run.settingsAtEnd.find("[Other]"), std::string::npos) << run.settingsAtEnd;
}

TEST_F(DatabaseViewTest, OpenedFileShowsItsTableInNameOrderWithTheDesignWidths) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(model().rowCount(), 62);
    ASSERT_EQ(model().columnCount(), 8);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "NUMBER");
    EXPECT_EQ(checkedOrder(), "name");
    EXPECT_TRUE(ui().orderByNameAction->isChecked());
    const int widths[] = {110, 60, 50, 50, 35, 70};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(ui().membersView->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(model().index(0, 1).data().toString(), ""); // the NULL name comes first
    EXPECT_EQ(ui().membersView->currentIndex().row(), 0);
    EXPECT_EQ(model().headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), "\u25B6");
}

TEST_F(DatabaseViewTest, NameSearchSwitchesToNameOrderAndFindsPrefixesInAnyCase) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    ui().orderByProvinceAction->trigger();
    EXPECT_EQ(checkedOrder(), "province");
    QTest::keyClicks(ui().memberNameSearch, "s");
    EXPECT_TRUE(ui().orderByNameAction->isChecked());
    EXPECT_FALSE(ui().orderByProvinceAction->isChecked());
    EXPECT_EQ(checkedOrder(), "name");
    QTest::keyClicks(ui().memberNameSearch, "mi");
    EXPECT_EQ(ui().memberNameSearch->text(), "smi");
    EXPECT_EQ(current("NAME"), "Smi, Ann"); // before "Smith" and "smith" in name order
    EXPECT_EQ(gridCurrent("NAME"), "Smi, Ann");
    QTest::keyClicks(ui().memberNameSearch, "t");
    EXPECT_EQ(current("NAME"), "Smith, John");
    QTest::keyClicks(ui().memberNameSearch, "q"); // nothing continues "smitq"
    EXPECT_EQ(current("NAME"), "Smith, John");
    EXPECT_EQ(gridCurrent("NAME"), "Smith, John");

    findName("cote");
    EXPECT_EQ(current("NAME"), "Côté, Hélène");
    findName("LUKASZ");
    EXPECT_EQ(current("NAME"), "Łukaszewicz, Piotr");
    EXPECT_EQ(ui().memberNumberSearch->text(), ""); // the boxes are independent
}

TEST_F(DatabaseViewTest, NumberSearchUsesTheNumberOrderAndFindsPartialNumbers) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    QTest::keyClicks(ui().memberNumberSearch, "0123");
    EXPECT_TRUE(ui().orderByNumberAction->isChecked());
    EXPECT_EQ(checkedOrder(), "number");
    EXPECT_EQ(current("NAME"), "Gagnon, Marc");
    ui().memberNumberSearch->setText("10234");
    EXPECT_EQ(current("NAME"), "MacDonald, Ian");
    EXPECT_EQ(gridCurrent("NUMBER"), "10234");
    ui().memberNumberSearch->setText("1014");
    EXPECT_EQ(current("NUMBER"), "101450");
    EXPECT_EQ(ui().memberNameSearch->text(), "");
}

TEST_F(DatabaseViewTest, EachOrderingKeepsItsOwnCurrentRecord) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    for (int i = 0; i < 3; ++i)
        ui().nextMemberButton->click();
    EXPECT_EQ(shown().position(), 3u);
    const std::string nameRecord = current("NUMBER");
    ui().orderByNumberAction->trigger();
    EXPECT_EQ(shown().position(), 0u);
    ui().lastMemberButton->click();
    EXPECT_EQ(shown().position(), 61u);
    const std::string idRecord = current("NUMBER");
    ui().orderByNumberAction->trigger(); // choosing the checked item again changes nothing
    EXPECT_TRUE(ui().orderByNumberAction->isChecked());
    EXPECT_EQ(current("NUMBER"), idRecord);

    ui().orderByNameAction->trigger();
    EXPECT_EQ(current("NUMBER"), nameRecord);
    EXPECT_EQ(ui().membersView->currentIndex().row(), 3);
    EXPECT_EQ(ui().membersView->columnWidth(0), 110); // widths set again after the switch
    ui().orderByNumberAction->trigger();
    EXPECT_EQ(current("NUMBER"), idRecord);
    EXPECT_EQ(ui().membersView->currentIndex().row(), 61);
}

TEST_F(DatabaseViewTest, GridMovesAndNavigatorMovesAreTheSameCurrentRecord) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    QTableView& grid = *ui().membersView;
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(model().index(5, 1)).center());
    EXPECT_EQ(shown().position(), 5u);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(shown().position(), 6u);
    ui().previousMemberButton->click();
    EXPECT_EQ(shown().position(), 5u);
    EXPECT_EQ(grid.currentIndex().row(), 5);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(5, {}));
    EXPECT_EQ(model().headerData(5, Qt::Vertical, Qt::DisplayRole).toString(), "\u25B6");
    EXPECT_EQ(model().headerData(6, Qt::Vertical, Qt::DisplayRole).toString(), "");
    ui().firstMemberButton->click();
    ui().previousMemberButton->click(); // stays on the first
    EXPECT_EQ(shown().position(), 0u);
    ui().lastMemberButton->click();
    ui().nextMemberButton->click(); // stays on the last
    EXPECT_EQ(shown().position(), 61u);
    EXPECT_EQ(grid.currentIndex().row(), 61);
}

TEST_F(DatabaseViewTest, HidingTheViewKeepsTheChartWidthAndTheRecords) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    findName("gag");
    const int chartWidth = ui().chartView->width();
    QWidget* hidden[] = {ui().membersView,     ui().memberNavigator,    ui().memberNameSearch,
                         ui().memberNameLabel, ui().memberNumberSearch, ui().memberNumberLabel,
                         ui().loadMemberButton};

    ui().showMembersBox->click();
    EXPECT_FALSE(ui().showMembersAction->isChecked());
    for (QWidget* w : hidden)
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_FALSE(ui().memberOrderMenu->menuAction()->isEnabled());
    EXPECT_FALSE(ui().loadMemberAction->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(ui().chartView->width(), chartWidth);

    ui().showMembersAction->trigger(); // the menu item toggles the view too
    EXPECT_TRUE(ui().showMembersBox->isChecked());
    EXPECT_TRUE(ui().showMembersAction->isChecked());
    for (QWidget* w : hidden)
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(ui().memberOrderMenu->menuAction()->isEnabled());
    EXPECT_TRUE(ui().loadMemberAction->isEnabled());
    EXPECT_EQ(model().rowCount(), 62);
    EXPECT_EQ(current("NAME"), "Gagnon, Marc");
}

TEST_F(DatabaseViewTest, SearchingAndMovingWithNoDatabaseDoNothing) {
    findName("smi");
    ui().memberNumberSearch->setText("1");
    ui().nextMemberButton->click();
    ui().orderByProvinceAction->trigger();
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_TRUE(ui().orderByProvinceAction->isChecked()); // the sort items still switch
    // TearDown fails the test if any dialog was shown.
}

TEST_F(DatabaseViewTest, OpenDatabaseCommandReplacesTheShownFileAndResetsToNameOrder) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    ui().orderByNumberAction->trigger();
    const QString second = copyOf("ratings-as-text.mdb");
    prompts::enqueueFileName(second);
    ui().openDatabaseAction->trigger();
    EXPECT_EQ(form().databasePath(), second);
    EXPECT_EQ(model().rowCount(), 10);
    EXPECT_TRUE(ui().orderByNameAction->isChecked());
    EXPECT_FALSE(ui().orderByNumberAction->isChecked());
    EXPECT_EQ(checkedOrder(), "name");
    EXPECT_EQ(current("NAME"), "C-Hex, Cleo");
    EXPECT_EQ(ui().membersView->columnWidth(0),
              ui().membersView->horizontalHeader()->defaultSectionSize())
        << "five columns: widths left alone";

    prompts::enqueueFileName(""); // cancelled: nothing changes
    ui().openDatabaseAction->trigger();
    EXPECT_EQ(form().databasePath(), second);
    EXPECT_EQ(model().rowCount(), 10);
}

TEST_F(DatabaseViewTest, BrokenFilesAreReportedAndTheOpenDatabaseStays) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    ui().nextMemberButton->click();
    const std::string good = ReadFile(MembersDataDir() / "QRBMembers.mde");
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string scrambled = good;
    for (std::size_t i = 4096; i < scrambled.size(); i += 7)
        scrambled[i] = static_cast<char>(i * 31);
    const Case cases[] = {
        {"truncated.mdb", good.substr(0, 6000)},
        {"scrambled.mde", scrambled},
        {"text.mdb", "not a database\n"},
        {"empty.mdb", ""},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromStdString(dir_.file(c.name));
        WriteFile(dir_.file(c.name), c.bytes);
        QString message;
        prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
        open(path);
        EXPECT_EQ(message, "Error setting up the database: " + path) << c.name;
        EXPECT_EQ(form().databasePath(), path);
    }
    QString message;
    const QString missing = QString::fromStdString(dir_.file("nowhere.mdb"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    open(missing);
    EXPECT_EQ(message, "Error setting up the database: " + missing);
    EXPECT_EQ(model().rowCount(), 62);
    EXPECT_EQ(shown().position(), 1u);
}

TEST_F(DatabaseViewTest, FirstListedTableIsShownEvenWhenItIsNotTheMembers) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("two-tables.mdb");
    EXPECT_EQ(form().membersTableName(), "Clubs");
    ASSERT_EQ(model().rowCount(), 3);
    EXPECT_EQ(model().columnCount(), 2);
    // No NAME field: the name ordering keeps the table's order and finds nothing.
    EXPECT_EQ(model().index(0, 0).data().toString(), "Club d'échecs de Montréal");
    findName("t");
    EXPECT_EQ(shown().position(), 0u);
}

TEST_F(DatabaseViewTest, SqliteMembershipFileShowsTheSameWay) {
    open(writeSqlite("members.mde",
                     "CREATE TABLE Members (NUMBER TEXT, NAME TEXT, PROV TEXT, RATING INTEGER,"
                     " ACT_RATING INTEGER, CITY TEXT);"
                     "INSERT INTO Members VALUES ('300002', 'Zed, Zoe', 'ON', 1500, 1400, 'A'),"
                     " ('300001', 'Côté, Hélène', 'QC', 1720, NULL, 'B'),"
                     " ('300003', 'adams, Al', 'BC', NULL, 900, 'C');"));
    EXPECT_EQ(form().membersTableName(), "Members");
    ASSERT_EQ(model().rowCount(), 3);
    EXPECT_EQ(model().index(0, 1).data().toString(), "adams, Al");
    EXPECT_EQ(model().index(1, 1).data().toString(), "Côté, Hélène");
    EXPECT_EQ(ui().membersView->columnWidth(5), 70);
    findName("COTE");
    EXPECT_EQ(current("NUMBER"), "300001");
    ui().memberNumberSearch->setText("3000");
    EXPECT_EQ(current("NUMBER"), "300001");
    EXPECT_EQ(model().index(0, 3).data().toString(), "1720"); // numbers shown as their text
}
