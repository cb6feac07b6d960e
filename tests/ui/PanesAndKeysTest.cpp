// Moving about the real window by keyboard (F6 between the panes, access keys, Enter in the
// search boxes), the membership panel before a database is open, and what the window shows
// of the chart at small sizes.

#include "DatabaseTestSupport.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/MembersPane.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <map>
#include <vector>

using namespace ranvik;
using namespace ranvik::test;

namespace {

// Each window starts as a director's first start would: no settings, no remembered layout.
class PanesTest : public DatabaseTest {
  protected:
    void SetUp() override {
        std::filesystem::remove(platform::PathFromUtf8(DefaultWindowStatePath()));
        DatabaseTest::SetUp();
        QCoreApplication::processEvents(); // the first layout, once the window stands
    }

    // The pane that holds the keyboard focus.
    QString focusedPane() {
        const QWidget* focus = QApplication::focusWidget();
        const std::pair<const char*, QWidget*> panes[] = {
            {"settings", ui().settingsStrip},
            {"chart", ui().chartView},
            {"problems", ui().problemsDock},
            {"members", form().findChild<QWidget*>(QStringLiteral("membersPanel"))}};
        for (const auto& [name, pane] : panes) {
            if (focus && (pane == focus || pane->isAncestorOf(focus)))
                return QString::fromLatin1(name);
        }
        return focus ? focus->objectName() : QStringLiteral("<none>");
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void showProblems(bool shown) {
        if (ui().problemsDock->isVisible() != shown)
            ui().showProblemsAction->trigger();
    }
    void showMembers(bool shown) {
        if (ui().showMembersBox->isChecked() != shown)
            ui().showMembersBox->click();
    }
    MembersPane& pane() { return *form().findChild<MembersPane*>(QStringLiteral("membersPanel")); }
};

} // namespace

// Every menu, submenus included: each item has an access key, none twice in one menu.
TEST_F(PanesTest, EveryMenuItemHasAnAccessKeyOfItsOwn) {
    std::vector<QMenu*> menus;
    for (QAction* title : form().menuBar()->actions()) {
        if (title->menu())
            menus.push_back(title->menu());
    }
    EXPECT_GE(menus.size(), 5U);
    menus.push_back(nullptr); // the menu bar's own titles
    for (std::size_t k = 0; k < menus.size(); ++k) {
        const QList<QAction*> items = menus[k] ? menus[k]->actions() : form().menuBar()->actions();
        const QString where = menus[k] ? menus[k]->title() : QStringLiteral("menu bar");
        std::map<QChar, QString> keys;
        for (QAction* item : items) {
            if (item->isSeparator() || item->text().isEmpty())
                continue;
            if (item->menu() && menus[k])
                menus.push_back(item->menu());
            const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
            ASSERT_FALSE(mnemonic.isEmpty())
                << item->text().toStdString() << " in " << where.toStdString();
            const QChar key = mnemonic.toString().back().toUpper();
            const auto [seen, added] = keys.emplace(key, item->text());
            EXPECT_TRUE(added) << item->text().toStdString() << " and "
                               << seen->second.toStdString() << " share Alt+"
                               << QString(key).toStdString() << " in " << where.toStdString();
        }
    }
}

// F6 goes round the panes that show, in the window's order, and Shift+F6 back.
TEST_F(PanesTest, F6GoesRoundThePanesThatShow) {
    const struct {
        bool problems;
        bool members;
        QStringList round; // from the chart, F6 after F6 until the chart again
    } cases[] = {
        {true, true, {"problems", "members", "settings", "chart"}},
        {false, true, {"members", "settings", "chart"}},
        {true, false, {"problems", "settings", "chart"}},
        {false, false, {"settings", "chart"}},
    };
    for (const auto& c : cases) {
        showProblems(c.problems);
        showMembers(c.members);
        ui().chartView->setFocus();
        QStringList forward;
        for (qsizetype k = 0; k < c.round.size(); ++k) {
            press(Qt::Key_F6);
            forward << focusedPane();
        }
        EXPECT_EQ(forward, c.round) << c.problems << c.members;
        QStringList backward;
        for (qsizetype k = 0; k < c.round.size(); ++k) {
            press(Qt::Key_F6, Qt::ShiftModifier);
            backward << focusedPane();
        }
        QStringList expected(c.round.rbegin() + 1, c.round.rend());
        expected << c.round.back();
        EXPECT_EQ(backward, expected) << c.problems << c.members;
        // Tab stays the chart's: it moves to the next cell.
        ui().chartView->setFocus();
        select(1, 1);
        press(Qt::Key_Tab);
        EXPECT_EQ(focusedPane(), "chart");
        EXPECT_EQ(ui().chartView->currentCol(), 2);
    }
}

// Alt with a label's letter reaches its control; with a type's letter picks the type.
TEST_F(PanesTest, AccessKeysReachTheCountsTypesAndSearches) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    const struct {
        Qt::Key key;
        QWidget* focused; // nullptr: the type below is chosen instead
        TournamentType type;
    } cases[] = {
        {Qt::Key_P, ui().playersBox, TournamentType::Swiss},
        {Qt::Key_R, ui().roundsBox, TournamentType::Swiss},
        {Qt::Key_N, ui().memberNameSearch, TournamentType::Swiss},
        {Qt::Key_M, ui().memberNumberSearch, TournamentType::Swiss},
        {Qt::Key_B, nullptr, TournamentType::RoundRobin},
        {Qt::Key_U, nullptr, TournamentType::DoubleRoundRobin},
        {Qt::Key_W, nullptr, TournamentType::Swiss},
    };
    for (const auto& c : cases) {
        ui().chartView->setFocus();
        press(c.key, Qt::AltModifier);
        if (c.focused) {
            EXPECT_EQ(QApplication::focusWidget(), c.focused) << QTest::toString(c.key);
        }
        // A button's access key clicks it the way a mouse would, a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return form().document().tournament().type() == c.type;
        })) << QTest::toString(c.key);
    }
}

// Enter in a search box loads the member it found into the current line, as a double-click
// does; a search that found nothing loads nobody.
TEST_F(PanesTest, EnterInASearchBoxLoadsTheMemberFound) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    const struct {
        QLineEdit* box;
        const char* typed;
        const char* loaded; // the name line 1 then holds
    } cases[] = {
        {ui().memberNameSearch, "gagnon", "Gagnon, Marc"},
        {ui().memberNumberSearch, "102230", "B\u00E9langer, Fran\u00E7ois"},
        {ui().memberNameSearch, "zzz", ""},
    };
    bool asked = false;
    for (const auto& c : cases) {
        setCell(1, 1, "");
        select(1, 1);
        c.box->clear();
        c.box->setFocus();
        QTest::keyClicks(c.box, QString::fromUtf8(c.typed));
        if (*c.loaded != '\0' && !asked) {
            prompts::enqueue(answerQuestion(1)); // the rating system, asked once
            asked = true;
        }
        QTest::keyClick(c.box, Qt::Key_Return);
        EXPECT_EQ(cell(1, 1), c.loaded) << c.typed;
        EXPECT_EQ(QApplication::focusWidget(), c.box) << "the next search starts here";
    }
}

// A new chart is not a faulty one: nothing is listed or marked before anything is typed.
TEST_F(PanesTest, AFreshChartShowsNoFault) {
    showProblems(true);
    for (QAction* fresh : {static_cast<QAction*>(nullptr), ui().newAction}) {
        if (fresh)
            fresh->trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(ui().problemsSummaryLabel->text().contains(QStringLiteral("Faults: 0")))
            << ui().problemsSummaryLabel->text().toStdString();
        EXPECT_EQ(ui().problemsView->model()->rowCount(), 0);
        for (int row = 0; row < ui().chartView->model()->rowCount(); ++row) {
            EXPECT_FALSE(
                ui().chartView->model()->index(row, 0).data(ChartModel::FaultMarkRole).toBool())
                << row;
        }
    }
    // A rating typed on line 2 makes it a player without a name.
    enter(3, 2, QStringLiteral("1500"));
    QCoreApplication::processEvents();
    EXPECT_EQ(ui().problemsView->model()->rowCount(), 1);
}

// Without a database the panel says how to open one; its button and a dropped file open it
// as Database > Open does, and nothing else dropped is taken.
TEST_F(PanesTest, TheEmptyMembershipPanelOpensADatabaseByButtonOrDrop) {
    RANVIK_REQUIRE_TESTDATA();
    auto* note = form().findChild<QWidget*>(QStringLiteral("noDatabasePage"));
    auto* button = form().findChild<QPushButton*>(QStringLiteral("openDatabaseButton"));
    ASSERT_TRUE(note && button);
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(ui().membersView->isVisible());

    prompts::enqueueFileName(QString()); // the chooser, cancelled: still no database
    button->click();
    EXPECT_TRUE(note->isVisible());

    auto drop = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&pane(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(&pane(), &dropped);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    };
    const std::string chart = dir_.file("open.tms");
    WriteFile(chart, "Ann Lee\t100234\t1850\t\r\n");
    EXPECT_FALSE(drop({QUrl::fromLocalFile(QString::fromStdString(chart))}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/members.mdb"))}));
    const QString database = copyOf("QRBMembers.mde");
    EXPECT_FALSE(drop({QUrl::fromLocalFile(database), QUrl::fromLocalFile(database)}));
    EXPECT_TRUE(note->isVisible());

    EXPECT_TRUE(drop({QUrl::fromLocalFile(database)}));
    EXPECT_TRUE(ui().membersView->isVisible());
    EXPECT_EQ(QDir::fromNativeSeparators(form().databasePath()),
              QDir::fromNativeSeparators(database));
    EXPECT_GT(ui().membersView->model()->rowCount(), 0);
}

// On a small screen the chart comes first: with the problems panel shown, a 12-player,
// 11-round chart shows at least ten whole lines and five whole rounds.
TEST_F(PanesTest, ASmallWindowShowsTenLinesAndFiveRounds) {
    RANVIK_REQUIRE_TESTDATA();
    openCopyOf("QRBMembers.mde");
    showProblems(true);
    ui().playersBox->setValue(12);
    ui().roundsBox->setValue(11);
    // The small screen directors have (smaller ones keep fewer rounds in view on Windows'
    // wider fonts).
    form().resize(1024, 600);
    QCoreApplication::processEvents();
    ChartView& chart = *ui().chartView;
    const int rows = chart.viewport()->height() / chart.rowHeight(0);
    int rounds = 0;
    for (int col = 3; col < chart.model()->columnCount(); ++col) {
        if (chart.columnViewportPosition(col) + chart.columnWidth(col) <= chart.viewport()->width())
            ++rounds;
    }
    EXPECT_GE(rows, 10);
    EXPECT_GE(rounds, 5);
}

// Long lists of faults and warnings give way on a low screen: the window can still be made
// as small as a 1024x600 screen, the status bar on it.
TEST_F(PanesTest, ALongProblemsListStillFitsASmallScreen) {
    showProblems(true);
    ui().playersBox->setValue(12);
    for (int line = 1; line <= 12; ++line) {
        setCell(1, line, QStringLiteral("Player %1").arg(line).toStdString());
        setCell(2, line, "12345"); // not six digits: a warning
        setCell(3, line, "fast");  // not a rating: a fault
    }
    QCoreApplication::processEvents();
    ASSERT_GE(ui().problemsView->model()->rowCount(), 12);
    EXPECT_LE(form().minimumSizeHint().height(), 600);
}
