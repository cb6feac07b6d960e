#include "ui/ChartEditActions.h"

#include "document/ChartDocument.h"
#include "files/ChartText.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"
#include "ui/DocumentSignals.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"

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

ChartEditActions::ChartEditActions(ChartDocument& document, ChartView& view,
                                   DocumentSignals& changes, QMenu& edit, QWidget& window)
    : QObject(&window), document_(document), view_(view), window_(window) {
    auto add = [this, &edit](const char* name, const QString& caption, auto slot) {
        QAction* a = edit.addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    undoAction_ = add("undoAction", tr("&Undo"), &ChartEditActions::undoChange);
    undoAction_->setShortcuts(QKeySequence::Undo);
    redoAction_ = add("redoAction", tr("&Redo"), &ChartEditActions::redoChange);
    // Ctrl+Y and Ctrl+Shift+Z both redo, whatever the platform's own choice.
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit.addSeparator();
    add("cutAction", tr("Cu&t"), [this] { copyCells(true); })->setShortcuts(QKeySequence::Cut);
    add("copyAction", tr("&Copy"), [this] { copyCells(false); })->setShortcuts(QKeySequence::Copy);
    add("pasteAction", tr("&Paste"), &ChartEditActions::pasteCells)
        ->setShortcuts(QKeySequence::Paste);
    edit.addSeparator();
    add("insertRowAction", tr("&Insert row above"),
        [this] { document_.insertRowAbove(view_.currentRow()); });
    add("deleteRowAction", tr("&Delete row"), [this] { document_.deleteRow(view_.currentRow()); });
    add("clearResultsAction", tr("Clear &all results"), [this] {
        document_.clearAllResults();
        view_.setFocus(Qt::OtherFocusReason);
    });

    connect(&edit, &QMenu::aboutToShow, this, &ChartEditActions::refresh);
    // Typing changes the history without a step (a loose edit), and an open editor can be
    // taken back: both show only in the chart and the view.
    connect(&changes, &DocumentSignals::stepsChanged, this, &ChartEditActions::refresh);
    connect(&changes, &DocumentSignals::textChanged, this, &ChartEditActions::refresh);
    connect(&changes, &DocumentSignals::shapeChanged, this, &ChartEditActions::refresh);
    view_.clearSelectedCells = [this] { clearSelectedCells(); };
    view_.editingChanged = [this] { refresh(); };
    refresh();
}

// The actions say what they would undo or redo ("Undo Result W5 in line 3"). While a cell
// is being edited Undo ends the edit first and takes it back.
void ChartEditActions::refresh() {
    const ChartHistory& history = document_.tournament().history();
    const bool editing = view_.isEditing();
    const bool canUndo = history.canUndo() || history.hasLooseEdit() || editing;
    undoAction_->setText(history.canUndo() && !history.hasLooseEdit() && !editing
                             ? tr("&Undo %1").arg(MessageText(history.undoName()))
                             : tr("&Undo"));
    redoAction_->setText(history.canRedo() ? tr("&Redo %1").arg(MessageText(history.redoName()))
                                           : tr("&Redo"));
    undoAction_->setEnabled(canUndo);
    redoAction_->setEnabled(history.canRedo() || history.hasLooseEdit());
}

void ChartEditActions::undoChange() {
    // An open editor's text is already in the chart; closing it ends the edit first.
    view_.finishOpenEditor();
    document_.tournament().undo();
}

void ChartEditActions::redoChange() {
    view_.finishOpenEditor();
    document_.tournament().redo();
}

void ChartEditActions::copyCells(bool cut) {
    const CellRect r = SelectedRect(view_);
    const std::string text = cut ? document_.cutCells(r.col0, r.row0, r.col1, r.row1)
                                 : document_.copyCells(r.col0, r.row0, r.col1, r.row1);
    QGuiApplication::clipboard()->setText(ToQString(text));
}

void ChartEditActions::pasteCells() {
    const CellRect r = SelectedRect(view_);
    const QString text = QGuiApplication::clipboard()->text();
    // Measured before it is copied again: no paste is larger than the largest chart file.
    constexpr qsizetype most = MaxChartFileBytes;
    if (text.size() > most) {
        prompts::showError(&window_, tr("Nothing was pasted: the clipboard holds %1 characters; a "
                                        "paste takes at most %2.")
                                         .arg(text.size())
                                         .arg(most));
        return;
    }
    document_.paste(r.col0, r.row0, text.toStdString());
}

void ChartEditActions::clearSelectedCells() {
    std::vector<CellAt> cells;
    for (const QModelIndex& index : view_.selectionModel()->selectedIndexes())
        cells.push_back({ChartModel::chartCol(index), ChartModel::chartRow(index)});
    if (cells.empty())
        cells.push_back({view_.currentCol(), view_.currentRow()});
    document_.tournament().clearCells(cells);
}

} // namespace ranvik
