// The main window's editing commands: undo and redo, the clipboard, Insert row above, and
// emptying the selected cells. The history and the workflows are the document's; these
// only forward and show.

#include "files/ChartText.h"
#include "ui/Application.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/MainWindow.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/TournamentInfoDialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>

#include <algorithm>
#include <climits>

namespace ranvik {

namespace {

struct CellRect {
    int col0 = 1, row0 = 1, col1 = 1, row1 = 1;
};

// The selected cells' bounding rectangle in chart coordinates; the current cell when
// nothing is selected.
CellRect SelectedRect(const ChartView& view) {
    const QModelIndexList selected = view.selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {view.currentCol(), view.currentRow(), view.currentCol(), view.currentRow()};
    CellRect rect{INT_MAX, INT_MAX, 0, 0};
    for (const QModelIndex& index : selected) {
        rect.col0 = std::min(rect.col0, ChartModel::chartCol(index));
        rect.row0 = std::min(rect.row0, ChartModel::chartRow(index));
        rect.col1 = std::max(rect.col1, ChartModel::chartCol(index));
        rect.row1 = std::max(rect.row1, ChartModel::chartRow(index));
    }
    return rect;
}

} // namespace

void MainWindow::buildEditActions(QMenu* edit) {
    auto add = [this, edit](const char* name, const QString& caption, QKeySequence::StandardKey key,
                            auto slot) {
        QAction* a = edit->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    undoAction_ = add("undoAction", tr("&Undo"), QKeySequence::Undo, &MainWindow::undoChange);
    redoAction_ = add("redoAction", tr("&Redo"), QKeySequence::Redo, &MainWindow::redoChange);
    // Ctrl+Y and Ctrl+Shift+Z both redo, whatever the platform's own choice.
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    add("cutAction", tr("Cu&t"), QKeySequence::Cut, [this] { copyCells(true); });
    add("copyAction", tr("&Copy"), QKeySequence::Copy, [this] { copyCells(false); });
    add("pasteAction", tr("&Paste"), QKeySequence::Paste, &MainWindow::pasteCells);
    edit->addSeparator();
    QAction* insert = edit->addAction(tr("&Insert row above"));
    insert->setObjectName(QStringLiteral("insertRowAction"));
    connect(insert, &QAction::triggered, this, &MainWindow::insertRowAbove);

    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEditActions);
    // Typing changes the history without a step (a loose edit); a fault mark coming or going
    // leaves it as it was, and the live check sends those on every keystroke.
    connect(chartModel_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (ChartModel::changesText(roles))
                    updateEditActions();
            });
    connect(chartModel_, &QAbstractItemModel::rowsInserted, this, &MainWindow::updateEditActions);
    connect(chartModel_, &QAbstractItemModel::rowsRemoved, this, &MainWindow::updateEditActions);
    chartView_->clearSelectedCells = [this] { clearSelectedCells(); };
    chartView_->editingChanged = [this] { updateEditActions(); };
    document_->tournament().chart().history().onStepsChanged = [this] { updateEditActions(); };
    updateEditActions();
}

// The actions say what they would undo or redo ("Undo Result W5 in line 3"). While a cell
// is being edited Undo ends the edit first and takes it back.
void MainWindow::updateEditActions() {
    const ChartHistory& history = document_->tournament().history();
    const bool editing = chartView_->isEditing();
    const bool canUndo = history.canUndo() || history.hasLooseEdit() || editing;
    undoAction_->setText(history.canUndo() && !history.hasLooseEdit() && !editing
                             ? tr("&Undo %1").arg(MessageText(history.undoName()))
                             : tr("&Undo"));
    redoAction_->setText(history.canRedo() ? tr("&Redo %1").arg(MessageText(history.redoName()))
                                           : tr("&Redo"));
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(history.canRedo() || history.hasLooseEdit());
}

void MainWindow::undoChange() {
    // An open editor's text is already in the chart; closing it ends the edit first.
    chartView_->finishOpenEditor();
    document_->tournament().undo();
    updateEditActions();
}

void MainWindow::redoChange() {
    chartView_->finishOpenEditor();
    document_->tournament().redo();
    updateEditActions();
}

void MainWindow::copyCells(bool cut) {
    const CellRect r = SelectedRect(*chartView_);
    const std::string text = cut ? document_->cutCells(r.col0, r.row0, r.col1, r.row1)
                                 : document_->copyCells(r.col0, r.row0, r.col1, r.row1);
    QGuiApplication::clipboard()->setText(ToQString(text));
    updateEditActions();
}

void MainWindow::pasteCells() {
    const CellRect r = SelectedRect(*chartView_);
    const QString text = QGuiApplication::clipboard()->text();
    // Measured before it is copied again: no paste is larger than the largest chart file.
    constexpr qsizetype most = MaxChartFileBytes;
    if (text.size() > most) {
        prompts::showError(this, tr("Nothing was pasted: the clipboard holds %1 characters; a "
                                    "paste takes at most %2.")
                                     .arg(text.size())
                                     .arg(most));
        return;
    }
    document_->paste(r.col0, r.row0, text.toStdString());
    updateEditActions();
}

void MainWindow::insertRowAbove() {
    document_->insertRowAbove(chartView_->currentRow());
    updateEditActions();
}

void MainWindow::clearSelectedCells() {
    std::vector<CellAt> cells;
    for (const QModelIndex& index : chartView_->selectionModel()->selectedIndexes())
        cells.push_back({ChartModel::chartCol(index), ChartModel::chartRow(index)});
    if (cells.empty())
        cells.push_back({chartView_->currentCol(), chartView_->currentRow()});
    document_->tournament().clearCells(cells);
    updateEditActions();
}

// A new chart is a new event: the tournament information dialog opens empty.
void MainWindow::forgetChartState() {
    if (dialogs_ && dialogs_->tournamentInfo)
        dialogs_->tournamentInfo->clearFields();
    updateEditActions();
}

} // namespace ranvik
