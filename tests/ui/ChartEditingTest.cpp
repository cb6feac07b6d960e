// The real chart view driven by keys, menus and controls, one road per table row: a commit by
// Enter, Tab or an arrow writes the opponent's cell, moving the cursor alone writes nothing,
// Enter on a cell writes its mirror again, Delete, Cut and Paste keep both cells of a game
// right, and a count, the type or Delete row that would drop filled cells asks first.

#include "UiTestSupport.h"

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

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

// Cells are "col,row=text" ("_" a blank). A road also takes "@col,row" (select), "<Key>",
// "!name" (trigger nameAction), "clip:text", "players=N", "rounds=N", "type=N" (the
// controls), and "ok" or "cancel" (the answer to the next question); anything else is typed.
struct Road {
    const char* name;
    const char* given; // cells and controls before the road; the chart then counts as saved
    const char* road;
    const char* asked; // the last question's text
    const char* after; // cells after the road
    bool modified;
    const char* controls = ""; // "players/rounds/type" after the road, when given
};

const char* const kWon = "5,3=W5 5,5=L3"; // line 3 beat line 5 in round 2
const char* const kCorrected = "5,3=W5 5,5=D3";

const Road kRoads[] = {
    {"EnterCommits", "", "@5,3 w5 <Enter>", "", kWon, true},
    {"TabCommits", "", "@5,3 w5 <Tab>", "", kWon, true},
    {"DownCommits", "", "@5,3 w5 <Down>", "", kWon, true},
    {"UpCommits", "", "@5,3 w5 <Up>", "", kWon, true},
    {"MovingTheCursorWritesNothing", kCorrected, "@5,2 <Down> <Down> <Up> <Tab> <Down>", "",
     kCorrected, false},
    {"AnEditorLeftUnchangedWritesNothing", kCorrected, "@5,3 <F2> <Tab>", "", kCorrected, false},
    {"EnterOnACellWritesItsMirrorAgain", kCorrected, "@5,3 <Enter> <Escape>", "", kWon, true},
    {"EnterInAnUnchangedEditorWritesItsMirrorAgain", kCorrected, "@5,3 <F2> <Enter>", "", kWon,
     true},
    {"TypingAloneWritesNothing", "", "@5,3 w1", "", "5,3= 5,1=", false},
    {"EscapeLeavesTheCellAsItWas", "", "@5,3 w6 <Escape> <Down>", "", "5,3= 5,6=", false},
    {"ReplacedResultTakesItsOldMirrorAlong", kWon, "@5,3 w6 <Enter>", "",
     "5,3=W6 5,6=L3 5,5=", true},
    {"ByeKeepsItsLetterAndNamesNoOne", "", "@5,3 b5 <Enter>", "", "5,3=B5 5,5=", true},
    {"ForfeitGetsTheForfeitMirror", "", "@4,1 x3 <Enter>", "", "4,1=X3 4,3=F1", true},
    {"FrenchResult", "", "@4,3 g5 <Enter>", "", "4,3=G5 4,5=P3", true},
    {"NamesKeepTheirCase", "", "@1,2 deBoer <Enter>", "", "1,2=deBoer", true},
    {"OptionOffMirrorsNothing", "", "!updateOpponents @5,3 w5 <Enter> !updateOpponents", "",
     "5,3=W5 5,5=", true},
    {"DeleteOverAGame", kWon, "@5,3 <Delete>", "", "5,3= 5,5=", true},
    {"CutOverAGame", kWon, "@5,3 !cut", "", "5,3= 5,5=", true},
    {"PasteOverAGame", kWon, "clip:D4 @5,3 !paste", "", "5,3=D4 5,4= 5,5=", true},
    {"RoundRobinWin", "type=1", "@6,1 w <Enter>", "", "6,1=1 4,3=0", true},
    {"RoundRobinDrawTypedOneSlashTwo", "type=1", "@6,1 1/2 <Enter>", "", "6,1== 4,3==", true},
    {"RoundRobinDropsOtherLetters", "type=1", "@8,1 qk7 <Tab>", "", "8,1= 4,5=", false},
    {"RoundRobinOwnX", "type=1 4,1=", "@4,1 x <Enter>", "", "4,1=X", true},
    {"DoubleSecondGameMirrorsTheSecond", "players=3 type=2", "@7,1 1 <Enter>", "", "7,1=1 5,2=0",
     true},
    {"FewerPlayersCancelled", "1,9=Ann 4,10=W1", "cancel players=7",
     "Lowering the players to 7 removes 2 lines that hold names or results.", "1,9=Ann 4,10=W1",
     false, "10/3/0"},
    {"FewerPlayersConfirmed", "1,9=Ann 4,10=W1", "ok players=7",
     "Lowering the players to 7 removes 2 lines that hold names or results.", "", true, "7/3/0"},
    {"FewerRoundsCancelled", "6,1=W2 6,2=L1", "cancel rounds=2",
     "Lowering the rounds to 2 removes 2 results.", "6,1=W2", false, "10/3/0"},
    {"FewerRoundsConfirmed", "6,1=W2 6,2=L1", "ok rounds=2",
     "Lowering the rounds to 2 removes 2 results.", "", true, "10/2/0"},
    {"AnotherTypeCancelled", "5,2=W1 6,1=L2", "cancel type=1",
     "Switching to round robin overwrites 1 result.", "5,2=W1 6,1=L2", false, "10/3/0"},
    {"AnotherTypeConfirmed", "5,2=W1 6,1=L2", "ok type=1",
     "Switching to round robin overwrites 1 result.", "5,2=X 6,1=L2", true, "10/3/1"},
    {"NothingFilledLostAsksNothing", "1,3=Ann", "players=5 rounds=1 type=2", "", "1,3=Ann", true,
     "5/1/2"},
    {"DeleteRowSaysHowManyResultsItClears", "1,4=P4 1,5=P5 4,5=W7 4,7=L5 5,2=W4 5,4=L2",
     "@1,4 ok !deleteRow",
     "Delete line 4 and everything in it?\nThe result in another line that names this player "
     "is cleared too.",
     "1,4=P5 1,5= 4,4=W6 4,6=L4 5,2=", true, "10/3/0"},
    {"ClearAllResultsCancelled", "type=1 5,1=1 1,1=Name", "cancel !clearResults",
     "This will clear all rounds entered so far. Proceed?", "5,1=1", false},
    {"ClearAllResultsKeepsTheOwnCells", "type=1 5,1=1 1,1=Name", "ok !clearResults",
     "This will clear all rounds entered so far. Proceed?", "5,1= 4,1=X 1,1=Name", true},
    {"SortByRating", "3,1=1500 3,2=1800 4,1=W2 4,2=L1 players=2", "!sortByRating", "",
     "3,1=1800 4,2=W1 4,1=L2", true},
    {"SortRefusesRoundRobin", "type=1", "ok !sortByRating",
     "Sorry. Resorting of round robin grids is not allowed.", "", false},
};

class ChartEditingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ui().roundsBox->setValue(3);
    }

    void drive(const std::string& road) {
        static const std::map<std::string, Qt::Key> keys = {
            {"<Enter>", Qt::Key_Return}, {"<Tab>", Qt::Key_Tab},       {"<Down>", Qt::Key_Down},
            {"<Up>", Qt::Key_Up},        {"<Escape>", Qt::Key_Escape}, {"<F2>", Qt::Key_F2},
            {"<Delete>", Qt::Key_Delete}};
        std::istringstream in(road);
        for (std::string token; in >> token;) {
            const std::string value = token.substr(token.find_first_of("=:,@!") + 1);
            if (token[0] == '@') {
                select(std::stoi(value), std::stoi(token.substr(token.find(',') + 1)));
            } else if (keys.count(token) != 0) {
                QTest::keyClick(keyTarget(), keys.at(token));
            } else if (token[0] == '!') {
                form().findChild<QAction*>(QString::fromStdString(value + "Action"))->trigger();
            } else if (token.starts_with("clip:")) {
                QApplication::clipboard()->setText(QString::fromStdString(value));
            } else if (token == "ok" || token == "cancel") {
                prompts::enqueue(
                    clickStandard(token == "ok" ? QMessageBox::Ok : QMessageBox::Cancel, &asked_));
            } else if (token.starts_with("players=") || token.starts_with("rounds=")) {
                (token[0] == 'p' ? ui().playersBox : ui().roundsBox)->setValue(std::stoi(value));
            } else if (token.starts_with("type=")) {
                ui().typeButtons->button(std::stoi(value))->click();
            } else if (std::isdigit(static_cast<unsigned char>(token[0])) != 0 &&
                       token.find(",") < token.find('=')) {
                std::string text = token.substr(token.find('=') + 1);
                std::replace(text.begin(), text.end(), '_', ' ');
                setCell(std::stoi(token), std::stoi(token.substr(token.find(',') + 1)), text);
            } else {
                type(QString::fromStdString(token));
            }
        }
    }

    QString asked_;
};

void PrintTo(const Road& road, std::ostream* os) {
    *os << road.name;
}

class Roads : public ChartEditingTest, public ::testing::WithParamInterface<Road> {};

} // namespace

TEST_P(Roads, LeaveTheChartAsTheDirectorMeantIt) {
    const Road& road = GetParam();
    drive(road.given);
    form().document().tournament().setModified(false);
    drive(road.road);
    EXPECT_EQ(asked_.toStdString(), road.asked);
    std::istringstream after(road.after);
    for (std::string want; after >> want;) {
        EXPECT_EQ(cell(std::stoi(want), std::stoi(want.substr(want.find(',') + 1))),
                  want.substr(want.find('=') + 1))
            << want;
    }
    EXPECT_EQ(form().document().isModified(), road.modified);
    if (*road.controls != '\0') {
        EXPECT_EQ(std::to_string(ui().playersBox->value()) + "/" +
                      std::to_string(ui().roundsBox->value()) + "/" +
                      std::to_string(ui().typeButtons->checkedId()),
                  road.controls);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Roads, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

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
    ui().typeButtons->button(1)->click();
    select(5, 1);
    type("1");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    editor->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    QCoreApplication::sendEvent(editor, &del);
    EXPECT_EQ(editor->text(), "");
}
