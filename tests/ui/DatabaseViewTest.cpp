// The membership database view: start-up and settings, opening files, the three orderings,
// the incremental search, the navigator and hiding the view.

#include "DatabaseTestSupport.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

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
    const auto ini = ranvik::platform::PathFromUtf8(ranvik::DefaultSettingsPath());
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

// Every heading shows whole, and every value up to a generous limit.
void ExpectColumnsShowTheirText(QTableView& view) {
    const QAbstractItemModel& model = *view.model();
    const QFontMetrics metrics = view.fontMetrics();
    const int limit = metrics.averageCharWidth() * 40;
    for (int c = 0; c < model.columnCount(); ++c) {
        const QString heading = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_LE(view.horizontalHeader()->fontMetrics().horizontalAdvance(heading),
                  view.columnWidth(c))
            << heading.toStdString();
        for (int r = 0; r < model.rowCount(); ++r) {
            const QString text = model.index(r, c).data().toString();
            EXPECT_LE(std::min(metrics.horizontalAdvance(text), limit - 8), view.columnWidth(c))
                << text.toStdString();
        }
    }
}

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
    // A default that is not there is neither named nor remembered.
    EXPECT_EQ(run.databaseFileName, "");
    EXPECT_EQ(run.settingsAtEnd.find("Database name"), std::string::npos) << run.settingsAtEnd;
}

TEST(DatabaseStartup, RememberedPathThatIsGoneWithNoDefaultIsNamedAloneAndStaysRemembered) {
    TempDir folder;
    const std::string gone = folder.file("moved away/old.mdb");
    const ProgramRun run = RunProgram(folder.path(), SettingsNaming(gone));
    ASSERT_EQ(run.dialogs.size(), 1) << run.dialogs.join(" | ").toStdString();
    EXPECT_TRUE(run.dialogs[0].contains(QString::fromStdString(gone)));
    EXPECT_FALSE(run.dialogs[0].contains("QRBMembers")) << run.dialogs[0].toStdString();
    EXPECT_EQ(run.settingsAtEnd, SettingsNaming(gone));
}

TEST(DatabaseStartup, RememberedPathThatIsGoneOrBrokenFallsBackToTheDefaultWithOneMessage) {
    RANVIK_REQUIRE_TESTDATA();
    TempDir folder;
    std::filesystem::copy_file(MembersDataDir() / "QRBMembers.mde",
                               folder.path() / "QRBMembers.mde");
    const std::string broken = folder.file("broken.mdb");
    WriteFile(broken, "not a database\n");
    for (const std::string& failed : {folder.file("moved away/old.mdb"), broken}) {
        const ProgramRun run =
            RunProgram(folder.path(), "; kept\n[Other]\nx=1\n" + SettingsNaming(failed));
        EXPECT_EQ(run.rowsShown, 62);
        const std::string fallback = folder.file("QRBMembers.mde");
        EXPECT_EQ(run.databaseFileName.toStdString(), fallback);
        ASSERT_EQ(run.dialogs.size(), 1) << run.dialogs.join(" | ").toStdString();
        EXPECT_TRUE(run.dialogs[0].contains(QString::fromStdString(failed)))
            << run.dialogs[0].toStdString();
        EXPECT_NE(run.settingsAtEnd.find("Database name=" + fallback), std::string::npos)
            << run.settingsAtEnd;
        EXPECT_NE(run.settingsAtEnd.find("[Other]"), std::string::npos) << run.settingsAtEnd;
    }
}

TEST_F(DatabaseViewTest, OpenedFileShowsItsTableInNameOrderWithTheDesignWidths) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(model().rowCount(), 62);
    ASSERT_EQ(model().columnCount(), 8);
    // Headed in words; the field's own name, which messages use, in the tooltip.
    EXPECT_EQ(model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Number");
    EXPECT_EQ(model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Active rating");
    EXPECT_EQ(model().headerData(5, Qt::Horizontal, Qt::ToolTipRole).toString(), "ACT_RATING");
    EXPECT_EQ(checkedOrder(), "name");
    EXPECT_TRUE(ui().orderByNameAction->isChecked());
    ExpectColumnsShowTheirText(*ui().membersView);
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
    ExpectColumnsShowTheirText(*ui().membersView); // widths set again after the switch
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
    // The chart and its points column stand together in one holder.
    QWidget* chartArea = ui().chartView->parentWidget();
    const int chartWidth = chartArea->width();
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
    // The chart takes the whole width the view leaves.
    EXPECT_GT(chartArea->width(), chartWidth);
    EXPECT_GE(chartArea->width(), ui().splitter->width() - ui().splitter->handleWidth());

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
    ExpectColumnsShowTheirText(*ui().membersView);

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
        // Not remembered: the file that opened last stays the database of the next start.
        EXPECT_NE(form().databasePath(), path);
    }
    QString message;
    const QString missing = QString::fromStdString(dir_.file("nowhere.mdb"));
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    open(missing);
    EXPECT_EQ(message, "Error setting up the database: " + missing);
    EXPECT_EQ(model().rowCount(), 62);
    EXPECT_EQ(shown().position(), 1u);
}

TEST_F(DatabaseViewTest, TheMembersTableIsShownWhenAnotherTableComesFirst) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("two-tables.mdb");
    EXPECT_EQ(form().membersTableName(), "Members");
    ASSERT_EQ(model().rowCount(), 5);
    findName("gag");
    EXPECT_EQ(current("NAME"), "Gagnon, Marc");
}

TEST_F(DatabaseViewTest, WithNoMembersTableTheFirstTableIsShown) {
    open(writeSqlite("clubs.db", "CREATE TABLE Clubs (CLUB TEXT, CITY TEXT);"
                                 "CREATE TABLE Cities (CITY TEXT, NAME TEXT);"
                                 "INSERT INTO Clubs VALUES ('Halifax Chess Club', 'Halifax');"));
    EXPECT_EQ(form().membersTableName(), "Clubs");
    ASSERT_EQ(model().rowCount(), 1);
    // No NAME field: the name ordering keeps the table's order and finds nothing.
    findName("t");
    EXPECT_EQ(shown().position(), 0u);
}

TEST_F(DatabaseViewTest, ASearchThatFindsNothingSaysSoAndStaysPut) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    findName("gag");
    const std::string before = current("NAME");
    auto* noMatch = form().findChild<QLabel*>(QStringLiteral("noMatchLabel"));
    ASSERT_NE(noMatch, nullptr);
    EXPECT_FALSE(noMatch->isVisible());
    QTest::keyClicks(ui().memberNameSearch, QStringLiteral("zzq"));
    EXPECT_EQ(current("NAME"), before);
    EXPECT_TRUE(noMatch->isVisible());
    EXPECT_EQ(noMatch->text(), QString::fromUtf8("No member starts with \u201Cgagzzq\u201D"));
    EXPECT_TRUE(ui().memberNameSearch->property("noMatch").toBool());
    // Back to text that matches: the mark goes.
    QTest::keyClick(ui().memberNameSearch, Qt::Key_Backspace);
    QTest::keyClick(ui().memberNameSearch, Qt::Key_Backspace);
    QTest::keyClick(ui().memberNameSearch, Qt::Key_Backspace);
    EXPECT_FALSE(noMatch->isVisible());
    EXPECT_FALSE(ui().memberNameSearch->property("noMatch").toBool());
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
    ExpectColumnsShowTheirText(*ui().membersView);
    findName("COTE");
    EXPECT_EQ(current("NUMBER"), "300001");
    ui().memberNumberSearch->setText("3000");
    EXPECT_EQ(current("NUMBER"), "300001");
    EXPECT_EQ(model().index(0, 3).data().toString(), "1720"); // numbers shown as their text
}
