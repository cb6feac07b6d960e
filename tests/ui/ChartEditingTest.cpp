// Typing into the real chart view, one road of keys per table row: a commit by Enter, Tab or
// an arrow writes the opponent's cell, moving the cursor alone writes nothing, Enter on a
// cell writes its mirror again, and Delete, Cut and Paste keep both cells of a game right.
// Then the questions asked before a count, the type or Delete row drops filled cells, and
// the Edit and Tools menu commands.

#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <functional>
#include <map>
#include <sstream>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

struct CellText {
    int col;
    int row;
    const char* text;
};

struct KeyRoad {
    const char* name;
    int type; // 0 Swiss, 1 round robin, 2 double round robin
    int players;
    std::vector<CellText> before;
    // "@5,3" selects a cell, "<Tab>" presses a key, "!cut" triggers cutAction, "clip:D4"
    // puts D4 on the clipboard; anything else is typed.
    const char* road;
    std::vector<CellText> after;
    bool modified;
};

const std::vector<CellText> kWonAgainst5 = {{5, 3, "W5"}, {5, 5, "L3"}};
const std::vector<CellText> kCorrected = {{5, 3, "W5"}, {5, 5, "D3"}};

const KeyRoad kRoads[] = {
    {"EnterCommits", 0, 10, {}, "@5,3 w5 <Enter>", kWonAgainst5, true},
    {"TabCommits", 0, 10, {}, "@5,3 w5 <Tab>", kWonAgainst5, true},
    {"DownCommits", 0, 10, {}, "@5,3 w5 <Down>", kWonAgainst5, true},
    {"UpCommits", 0, 10, {}, "@5,3 w5 <Up>", kWonAgainst5, true},
    {"MovingTheCursorWritesNothing", 0, 10, kCorrected, "@5,2 <Down> <Down> <Up> <Tab> <Down>",
     kCorrected, false},
    {"AnEditorLeftUnchangedWritesNothing", 0, 10, kCorrected, "@5,3 <F2> <Tab>", kCorrected, false},
    {"EnterOnACellWritesItsMirrorAgain", 0, 10, kCorrected, "@5,3 <Enter> <Escape>", kWonAgainst5,
     true},
    {"EnterInAnUnchangedEditorWritesItsMirrorAgain", 0, 10, kCorrected, "@5,3 <F2> <Enter>",
     kWonAgainst5, true},
    {"EscapeLeavesTheCellAsItWas",
     0,
     10,
     {},
     "@5,3 w6 <Escape> <Down>",
     {{5, 3, ""}, {5, 6, ""}},
     false},
    {"ReplacedResultTakesItsOldMirrorAlong",
     0,
     10,
     kWonAgainst5,
     "@5,3 w6 <Enter>",
     {{5, 3, "W6"}, {5, 6, "L3"}, {5, 5, ""}},
     true},
    {"ByeKeepsItsLetterAndNamesNoOne",
     0,
     10,
     {},
     "@5,3 b5 <Enter>",
     {{5, 3, "B5"}, {5, 5, ""}},
     true},
    {"ForfeitGetsTheForfeitMirror",
     0,
     10,
     {},
     "@4,1 x3 <Enter>",
     {{4, 1, "X3"}, {4, 3, "F1"}},
     true},
    {"FrenchResult", 0, 10, {}, "@4,3 g5 <Enter>", {{4, 3, "G5"}, {4, 5, "P3"}}, true},
    {"NamesKeepTheirCase", 0, 10, {}, "@1,2 deBoer <Enter>", {{1, 2, "deBoer"}}, true},
    {"OptionOffMirrorsNothing",
     0,
     10,
     {},
     "!updateOpponents @5,3 w5 <Enter> !updateOpponents",
     {{5, 3, "W5"}, {5, 5, ""}},
     true},
    {"DeleteOverAGame", 0, 10, kWonAgainst5, "@5,3 <Delete>", {{5, 3, ""}, {5, 5, ""}}, true},
    {"CutOverAGame", 0, 10, kWonAgainst5, "@5,3 !cut", {{5, 3, ""}, {5, 5, ""}}, true},
    {"PasteOverAGame",
     0,
     10,
     kWonAgainst5,
     "clip:D4 @5,3 !paste",
     {{5, 3, "D4"}, {5, 4, ""}, {5, 5, ""}},
     true},
    {"RoundRobinWin", 1, 10, {}, "@6,1 w <Enter>", {{6, 1, "1"}, {4, 3, "0"}}, true},
    {"RoundRobinDrawTypedOneSlashTwo",
     1,
     10,
     {},
     "@6,1 1/2 <Enter>",
     {{6, 1, "="}, {4, 3, "="}},
     true},
    {"RoundRobinDropsOtherLetters", 1, 10, {}, "@8,1 qk7 <Tab>", {{8, 1, ""}, {4, 5, ""}}, false},
    {"RoundRobinOwnX", 1, 10, {{4, 1, ""}}, "@4,1 x <Enter>", {{4, 1, "X"}}, true},
    {"DoubleSecondGameMirrorsTheSecond",
     2,
     3,
     {},
     "@7,1 1 <Enter>",
     {{7, 1, "1"}, {5, 2, "0"}},
     true},
};

class ChartEditingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ui().roundsBox->setValue(3);
    }
    void useType(int index) { ui().typeButtons->button(index)->click(); }
    QAction* action(const std::string& name) {
        return form().findChild<QAction*>(QString::fromStdString(name + "Action"));
    }

    void drive(const std::string& road) {
        static const std::map<std::string, Qt::Key> keys = {
            {"<Enter>", Qt::Key_Return}, {"<Tab>", Qt::Key_Tab},       {"<Down>", Qt::Key_Down},
            {"<Up>", Qt::Key_Up},        {"<Escape>", Qt::Key_Escape}, {"<F2>", Qt::Key_F2},
            {"<Delete>", Qt::Key_Delete}};
        std::istringstream in(road);
        for (std::string token; in >> token;) {
            if (token[0] == '@') {
                select(std::stoi(token.substr(1)), std::stoi(token.substr(token.find(',') + 1)));
            } else if (keys.count(token) != 0) {
                QTest::keyClick(keyTarget(), keys.at(token));
            } else if (token[0] == '!') {
                action(token.substr(1))->trigger();
            } else if (token.starts_with("clip:")) {
                QApplication::clipboard()->setText(QString::fromStdString(token.substr(5)));
            } else {
                type(QString::fromStdString(token));
            }
        }
    }
};

void PrintTo(const KeyRoad& road, std::ostream* os) {
    *os << road.name;
}

class KeyRoads : public ChartEditingTest, public ::testing::WithParamInterface<KeyRoad> {};

} // namespace

TEST_P(KeyRoads, LeaveTheChartAsTheDirectorMeantIt) {
    const KeyRoad& road = GetParam();
    if (road.type != 0) {
        ui().playersBox->setValue(road.players);
        useType(road.type);
    }
    for (const CellText& given : road.before)
        setCell(given.col, given.row, given.text);
    form().document().tournament().setModified(false);
    drive(road.road);
    for (const CellText& want : road.after)
        EXPECT_EQ(cell(want.col, want.row), want.text) << "cell " << want.col << "," << want.row;
    EXPECT_EQ(form().document().isModified(), road.modified);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyRoads, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartEditingTest, TheChartGetsTheEditorsTextOnlyWhenCommitted) {
    form().document().tournament().setModified(false);
    select(5, 3);
    type("w1");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), "W1");
    EXPECT_EQ(cell(5, 3), "");
    EXPECT_FALSE(form().document().isModified());
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell(5, 3), "W1");
    EXPECT_EQ(cell(5, 1), "L3");
}

TEST_F(ChartEditingTest, TabCarriageReturnAndLineFeedNeverReachACell) {
    select(1, 2);
    type("A");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    editor->insert("b\tc\nd");
    pressEnter();
    EXPECT_EQ(cell(1, 2), "Ab c d");
}

TEST_F(ChartEditingTest, DeleteKeyEditsARoundRobinCell) {
    // Platforms give Delete the text DEL (127); it is an editing key, not a typed
    // character, so the round robin filter must not drop it.
    useType(1);
    select(5, 1);
    type("1");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    editor->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    QCoreApplication::sendEvent(editor, &del);
    EXPECT_EQ(editor->text(), "");
}

// A count or the type that would drop or overwrite filled cells asks first; Cancel leaves
// the chart and the control as they were.
struct ShapeQuestion {
    const char* name;
    std::vector<CellText> before;
    std::function<void(test::MainWindowParts&)> change;
    const char* question;
    std::function<bool(test::MainWindowParts&)> unchanged; // the control as before
};

const ShapeQuestion kShapeQuestions[] = {
    {"FewerPlayers",
     {{1, 9, "Ann"}, {4, 10, "W1"}},
     [](test::MainWindowParts& ui) { ui.playersBox->setValue(7); },
     "Lowering the players to 7 removes 2 lines that hold names or results.",
     [](test::MainWindowParts& ui) { return ui.playersBox->value() == 10; }},
    {"FewerRounds",
     {{6, 1, "W2"}, {6, 2, "L1"}},
     [](test::MainWindowParts& ui) { ui.roundsBox->setValue(2); },
     "Lowering the rounds to 2 removes 2 results.",
     [](test::MainWindowParts& ui) { return ui.roundsBox->value() == 3; }},
    {"AnotherType",
     {{5, 2, "W1"}, {6, 1, "L2"}},
     [](test::MainWindowParts& ui) { ui.typeButtons->button(1)->click(); },
     "Switching to round robin overwrites 1 result.",
     [](test::MainWindowParts& ui) { return ui.typeButtons->checkedId() == 0; }},
};

class ShapeQuestions : public ChartEditingTest,
                       public ::testing::WithParamInterface<ShapeQuestion> {};

TEST_P(ShapeQuestions, CancelKeepsEverythingAndOkGoesOn) {
    const ShapeQuestion& q = GetParam();
    for (const CellText& given : q.before)
        setCell(given.col, given.row, given.text);
    form().document().tournament().setModified(false);
    const auto cells = [this] {
        std::vector<std::string> all;
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c < 7; ++c)
                all.push_back(cell(c, r));
        return all;
    };
    const std::vector<std::string> before = cells();
    QString asked;
    prompts::enqueue(clickStandard(QMessageBox::Cancel, &asked));
    q.change(ui());
    EXPECT_EQ(asked, q.question);
    EXPECT_TRUE(q.unchanged(ui()));
    EXPECT_EQ(cells(), before);
    EXPECT_FALSE(form().document().isModified());

    prompts::enqueue(clickStandard(QMessageBox::Ok));
    q.change(ui());
    EXPECT_FALSE(q.unchanged(ui()));
    EXPECT_TRUE(form().document().isModified());
}

INSTANTIATE_TEST_SUITE_P(Table, ShapeQuestions, ::testing::ValuesIn(kShapeQuestions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartEditingTest, NothingFilledLostAsksNothing) {
    setCell(1, 3, "Ann");
    ui().playersBox->setValue(5);
    ui().roundsBox->setValue(1);
    useType(2);
    EXPECT_EQ(ui().typeButtons->checkedId(), 2);
    EXPECT_EQ(cell(1, 3), "Ann");
}

TEST_F(ChartEditingTest, DeleteRowSaysHowManyResultsItClearsAndMovesLaterRowsUp) {
    for (int r = 1; r <= 10; ++r)
        setCell(1, r, "P" + std::to_string(r));
    setCell(4, 5, "W7");
    setCell(4, 7, "L5");
    setCell(5, 2, "W4");
    setCell(5, 4, "L2");
    form().document().tournament().setModified(false);
    select(1, 4);
    QString question;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &question));
    ui().deleteRowAction->trigger();
    EXPECT_EQ(question.toStdString(), "Delete line 4 and everything in it?\nThe result in "
                                      "another line that names this player is cleared too.");
    EXPECT_EQ(cell(1, 4), "P5");
    EXPECT_EQ(cell(4, 4), "W6"); // its opponent moved up too
    EXPECT_EQ(cell(4, 6), "L4");
    EXPECT_EQ(cell(5, 2), "") << "it named the deleted player";
    EXPECT_EQ(cell(1, 9), "P10");
    EXPECT_EQ(cell(1, 10), "");
    EXPECT_EQ(cell(0, 10), "10");
    EXPECT_EQ(ui().playersBox->value(), 10);
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(ChartEditingTest, ClearAllResultsAsksFirst) {
    useType(1);
    setCell(5, 1, "1");
    setCell(1, 1, "Name");
    prompts::enqueue(clickStandard(QMessageBox::Cancel));
    ui().clearResultsAction->trigger();
    EXPECT_EQ(cell(5, 1), "1");

    QString message;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    ui().clearResultsAction->trigger();
    EXPECT_EQ(message, "This will clear all rounds entered so far. Proceed?");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_EQ(cell(4, 1), "X"); // the own cells stay for the check
    EXPECT_EQ(cell(1, 1), "Name");
}

TEST_F(ChartEditingTest, SortFromTheToolsMenu) {
    setCell(3, 1, "1500");
    setCell(3, 2, "1800");
    setCell(4, 1, "W2");
    setCell(4, 2, "L1");
    ui().playersBox->setValue(2);
    ui().sortByRatingAction->trigger();
    EXPECT_EQ(cell(3, 1), "1800");
    EXPECT_EQ(cell(4, 2), "W1");
    EXPECT_EQ(cell(4, 1), "L2");
}

TEST_F(ChartEditingTest, SortRefusesRoundRobin) {
    useType(1);
    form().document().tournament().setModified(false);
    QString message;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    ui().sortByRatingAction->trigger();
    EXPECT_EQ(message, "Sorry. Resorting of round robin grids is not allowed.");
    EXPECT_FALSE(form().document().isModified());
}
