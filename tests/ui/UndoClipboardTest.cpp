// Undo and redo from the Edit menu, the clipboard, Delete on a selection, and the mends
// that keep a director's results: Undo while a cell is being typed, New forgetting the
// event, Undo after a type switch.

#include "UiTestSupport.h"

#include "ui/TournamentInfoDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace ranvik::test {
namespace {

class UndoClipboardTest : public WindowTest {
  protected:
    QAction* action(const char* name) {
        auto* found = form().findChild<QAction*>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(std::string("no action ") + name);
        return found;
    }
    void selectBlock(int col0, int row0, int col1, int row1) {
        select(col0, row0);
        auto* model = ui().chartView->model();
        ui().chartView->selectionModel()->select(
            QItemSelection(model->index(row0 - 1, col0 - 1), model->index(row1 - 1, col1 - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
};

TEST_F(UndoClipboardTest, CtrlZAfterATypedResultEmptiesBothCells) {
    ui().roundsBox->setValue(2);
    form().document().tournament().setModified(false);
    enter(5, 3, "w5"); // line 3, round 2
    ASSERT_EQ(cell(5, 3), "W5");
    ASSERT_EQ(cell(5, 5), "L3");
    QAction* undo = action("undoAction");
    EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_EQ(undo->text(), "&Undo Result W5 in line 3");
    select(1, 1);
    undo->trigger();
    EXPECT_EQ(cell(5, 3), "");
    EXPECT_EQ(cell(5, 5), "");
    EXPECT_FALSE(form().document().isModified());

    QAction* redo = action("redoAction");
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    redo->trigger();
    EXPECT_EQ(cell(5, 3), "W5");
    EXPECT_EQ(cell(5, 5), "L3");
}

// Undo is there as soon as a cell's editor is open: it ends the edit and takes it back.
TEST_F(UndoClipboardTest, UndoWhileACellIsBeingTypedTakesTheTypingBack) {
    QAction* undo = action("undoAction");
    ASSERT_FALSE(undo->isEnabled());
    select(1, 1);
    type("Ann");
    ASSERT_NE(keyTarget(), ui().chartView) << "the editor is open";
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");
    undo->trigger();
    EXPECT_EQ(keyTarget(), ui().chartView) << "the editor is closed";
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_FALSE(form().document().isModified());
    action("redoAction")->trigger();
    EXPECT_EQ(cell(1, 1), "Ann");
}

TEST_F(UndoClipboardTest, PasteOfASpreadsheetBlockGrowsTheChartInOneStep) {
    QApplication::clipboard()->setText(
        QStringLiteral("Côté, Hélène\t111111\t1500\r\nBo\t222222\t1600\r\n\"Li, "
                       "\"\"Al\"\"\tx\"\t333333\t1700\r\n"));
    select(1, 9);
    action("pasteAction")->trigger();
    EXPECT_EQ(ui().playersBox->value(), 11);
    EXPECT_EQ(cell(1, 9), "Côté, Hélène");
    EXPECT_EQ(cell(3, 10), "1600");
    EXPECT_EQ(cell(1, 11), "Li, \"Al\" x"); // the TAB inside a quoted cell became a blank
    EXPECT_EQ(cell(2, 11), "333333");
    EXPECT_EQ(cell(4, 9), "") << "no fourth column pasted";

    action("undoAction")->trigger();
    EXPECT_EQ(ui().playersBox->value(), 10);
    EXPECT_EQ(cell(1, 9), "");
    EXPECT_EQ(form().document().tournament().chart().cell(1, 11), "");

    // Beyond the largest chart nothing is pasted.
    QString message;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    QApplication::clipboard()->setText(QString(QStringLiteral("x\n")).repeated(1000));
    select(1, 2);
    action("pasteAction")->trigger();
    EXPECT_TRUE(message.contains(QStringLiteral("1001"))) << message.toStdString();
    EXPECT_EQ(cell(1, 2), "");
}

TEST_F(UndoClipboardTest, CopyAndCutWorkOnTheSelection) {
    enter(4, 1, "w2");
    setCell(1, 1, "Ann");
    setCell(1, 2, "Bob");
    selectBlock(1, 1, 4, 2);
    action("copyAction")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Ann\t\t\tW2\nBob\t\t\tL1\n");

    selectBlock(1, 1, 1, 2);
    action("cutAction")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Ann\nBob\n");
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(1, 2), "");
}

TEST_F(UndoClipboardTest, InsertRowAboveRenumbersAndUndoes) {
    setCell(1, 1, "Ann");
    setCell(1, 2, "Bob");
    enter(4, 1, "w2");
    select(1, 2);
    action("insertRowAction")->trigger();
    EXPECT_EQ(cell(1, 3), "Bob");
    EXPECT_EQ(cell(4, 1), "W3");
    EXPECT_EQ(cell(4, 3), "L1");
    action("undoAction")->trigger();
    EXPECT_EQ(cell(4, 1), "W2");
    EXPECT_EQ(cell(1, 2), "Bob");
}

TEST_F(UndoClipboardTest, TypeSwitchAsksWhatItOverwritesAndUndoBringsItBack) {
    ui().playersBox->setValue(3);
    ui().typeButtons->button(1)->click();
    enter(5, 1, "1");
    ASSERT_EQ(cell(4, 2), "0");
    QString question;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &question));
    ui().typeButtons->button(2)->click(); // double: row 1 owns columns 4 and 5
    EXPECT_EQ(question, "Switching to double round robin overwrites 1 result.");
    EXPECT_EQ(cell(5, 1), "X");
    action("undoAction")->trigger();
    EXPECT_EQ(ui().typeButtons->checkedId(), 1);
    EXPECT_EQ(cell(5, 1), "1");
    EXPECT_EQ(cell(4, 2), "0");
}

TEST_F(UndoClipboardTest, NewOpensTheTournamentInformationEmpty) {
    auto* dialog = windows().dialogs.tournamentInfo;
    dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Spring"));
    ui().newAction->trigger();
    EXPECT_EQ(dialog->info().name, "");
}

} // namespace
} // namespace ranvik::test
