// Typing into the real chart view: the key filter, the opponent update on Enter and on
// leaving a cell, and the Edit and Tools menu commands.

#include "UiTestSupport.h"

#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

class ChartEditingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ui().roundsBox->setValue(3);
    }
    void useType(int index) { ui().typeButtons->button(index)->click(); }
};

} // namespace

TEST_F(ChartEditingTest, TypedWinIsUpperCasedAndMirroredOnEnter) {
    enter(5, 3, "w5");
    EXPECT_EQ(cell(5, 3), "W5");
    EXPECT_EQ(cell(5, 5), "L3");
    EXPECT_TRUE(form().document().isModified());
}

TEST_F(ChartEditingTest, FrenchSymbolsAndByeLettersArriveAsTheFilterSays) {
    enter(4, 3, "g5");
    EXPECT_EQ(cell(4, 5), "P3");
    enter(5, 3, "x5");
    EXPECT_EQ(cell(5, 3), "W5");
    EXPECT_EQ(cell(5, 5), "L3");
    enter(6, 3, "=5");
    EXPECT_EQ(cell(6, 5), "=3");
    enter(6, 1, "b");
    EXPECT_EQ(cell(6, 1), "W");
    enter(6, 2, "h");
    EXPECT_EQ(cell(6, 2), "D");
    enter(6, 4, "u");
    EXPECT_EQ(cell(6, 4), "L");
}

TEST_F(ChartEditingTest, ChangingTheOpponentLeavesTheOldOpponentAlone) {
    enter(5, 3, "w5");
    select(5, 3);
    type("w6");
    pressEnter();
    EXPECT_EQ(cell(5, 3), "W6");
    EXPECT_EQ(cell(5, 6), "L3");
    EXPECT_EQ(cell(5, 5), "L3");
}

TEST_F(ChartEditingTest, OpponentsOutsideTheChartWriteNothing) {
    ui().playersBox->setValue(30);
    QSignalSpy spy(ui().chartView->chartModel(), &QAbstractItemModel::dataChanged);
    enter(4, 3, "w40");
    enter(5, 3, "w0");
    for (const QList<QVariant>& args : spy) {
        const auto index = args.at(0).value<QModelIndex>();
        EXPECT_EQ(ChartModel::chartRow(index), 3) << "a cell outside row 3 was written";
    }
}

TEST_F(ChartEditingTest, OptionOffMirrorsNothing) {
    ui().updateOpponentsAction->trigger();
    EXPECT_FALSE(ui().updateOpponentsAction->isChecked());
    enter(5, 3, "w5");
    select(6, 3);
    EXPECT_EQ(cell(5, 5), "");
    ui().updateOpponentsAction->trigger();
    EXPECT_EQ(cell(5, 5), ""); // turning it on changes nothing by itself
}

TEST_F(ChartEditingTest, MovingThroughACellRewritesItsOpponent) {
    setCell(5, 3, "W5");
    setCell(5, 5, "junk");
    select(5, 3);
    QTest::keyClick(ui().chartView, Qt::Key_Down);
    EXPECT_EQ(cell(5, 5), "L3");
}

TEST_F(ChartEditingTest, EditorTextReachesTheCellWhileTyping) {
    select(5, 3);
    type("w1");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(cell(5, 3), "W1");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(cell(5, 3), ""); // Escape gives the cell back its old text
}

TEST_F(ChartEditingTest, TabCarriageReturnAndLineFeedNeverReachACell) {
    select(1, 2);
    type("A");
    auto* editor = ui().chartView->findChild<QLineEdit*>("CellEditor");
    ASSERT_NE(editor, nullptr);
    editor->insert("b\tc\nd");
    EXPECT_EQ(cell(1, 2), "Ab c d");
}

TEST_F(ChartEditingTest, NamesKeepTheirCase) {
    enter(1, 2, "de la Fontaine");
    EXPECT_EQ(cell(1, 2), "de la Fontaine");
}

TEST_F(ChartEditingTest, RoundRobinKeysAndMirrors) {
    useType(1);
    enter(5, 1, "w");
    EXPECT_EQ(cell(5, 1), "1");
    EXPECT_EQ(cell(4, 2), "0");
    enter(6, 1, "d");
    EXPECT_EQ(cell(6, 1), "=");
    EXPECT_EQ(cell(4, 3), "=");
    enter(7, 1, "l");
    EXPECT_EQ(cell(7, 1), "0");
    EXPECT_EQ(cell(4, 4), "1");
    enter(8, 1, "qk7");
    EXPECT_EQ(cell(8, 1), "");
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
    EXPECT_EQ(cell(5, 1), "");
}

TEST_F(ChartEditingTest, RoundRobinDiagonalX) {
    useType(1);
    setCell(4, 1, "");
    enter(4, 1, "x");
    EXPECT_EQ(cell(4, 1), "X");
    EXPECT_EQ(cell(4, 1), "X"); // a cell holding X mirrors nothing
}

TEST_F(ChartEditingTest, DoubleRoundRobinSecondGameMirrorsSecondGame) {
    ui().playersBox->setValue(3);
    useType(2);
    enter(7, 1, "1");
    EXPECT_EQ(cell(5, 2), "0");
}

TEST_F(ChartEditingTest, DeleteRowMovesLaterRowsUp) {
    for (int r = 1; r <= 10; ++r)
        setCell(1, r, "P" + std::to_string(r));
    setCell(4, 5, "W7");
    form().document().tournament().setModified(false);
    select(1, 4);
    QString question;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &question));
    ui().deleteRowAction->trigger();
    EXPECT_EQ(question, "Delete line 4 and everything in it?");
    EXPECT_EQ(cell(1, 4), "P5");
    EXPECT_EQ(cell(4, 4), "W6"); // its opponent moved up too
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
