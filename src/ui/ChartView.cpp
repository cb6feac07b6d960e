#include "ui/ChartView.h"

#include "ui/ChartDelegate.h"
#include "ui/ChartModel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace ranvik {
namespace {

// Characters the key filter sees: printable ones, Enter and Backspace.
bool IsCharacterKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return true;
    if (event.key() == Qt::Key_Backspace)
        return true;
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    return text.at(0).isPrint() || text.at(0).isHighSurrogate();
}

char32_t KeyCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return U'\r';
    if (event.key() == Qt::Key_Backspace)
        return U'\b';
    const QString text = event.text();
    return text.toUcs4().value(0);
}

} // namespace

ChartView::ChartView(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new ChartDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setWordWrap(false);
    horizontalHeader()->setDefaultSectionSize(48);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(24);
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(44);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalHeader()->setHighlightSections(false);
    // The corner is the chart's cell (0, 0): it shows its heading and selects nothing.
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && chartModel_) {
        corner->removeEventFilter(this);
        QCoreApplication::sendEvent(corner, event);
        corner->installEventFilter(this);
        QPainter painter(corner);
        painter.drawText(corner->rect(), Qt::AlignCenter, chartModel_->cornerText());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void ChartView::setChartModel(ChartModel* model) {
    chartModel_ = model;
    setModel(model);
    applyDesignWidths();
    connect(model, &QAbstractItemModel::columnsInserted, this, &ChartView::applyDesignWidths);
}

void ChartView::applyDesignWidths() {
    // Name, number, rating and the first result column; the rest take the default 48.
    const int widths[] = {116, 63, 56, 41};
    const int count = std::min(4, horizontalHeader()->count());
    for (int i = 0; i < count; ++i)
        horizontalHeader()->resizeSection(i, widths[i]);
}

int ChartView::currentCol() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? ChartModel::chartCol(index) : 1;
}

int ChartView::currentRow() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? ChartModel::chartRow(index) : 1;
}

void ChartView::setCurrentCell(int col, int row) {
    if (!chartModel_)
        return;
    setCurrentIndex(chartModel_->indexOf(col, row));
}

void ChartView::finishOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex()))
        finishEditing(editor);
}

std::optional<QString> ChartView::filterKey(const QKeyEvent& event, bool editing) {
    if (!keyPress)
        return event.text();
    const std::optional<char32_t> key = keyPress(KeyCharacter(event), currentCol(), currentRow());
    if (!key)
        return std::nullopt;
    if (*key == U'\r')
        return editing ? std::nullopt : std::optional<QString>(QString());
    if (*key == U'\b')
        return event.text();
    return QString::fromUcs4(&*key, 1);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier && state() != EditingState && clearSelectedCells) {
        clearSelectedCells(); // one change, not a typed character
        event->accept();
        return;
    }
    if (!IsCharacterKey(*event) || !currentIndex().isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const std::optional<QString> text = filterKey(*event, false);
    if (enter) {
        // The update has run; Enter now opens the cell's editor.
        edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
        event->accept();
        return;
    }
    if (!text) {
        event->accept();
        return;
    }
    if (*text == event->text()) {
        QTableView::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress, event->key(), event->modifiers(), *text);
    QTableView::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void ChartView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (selectCell && current.isValid()) {
        selectCell(ChartModel::chartCol(current), ChartModel::chartRow(current));
    }
}

void ChartView::editorOpened(const QModelIndex& index) {
    if (getEditText)
        getEditText(ChartModel::chartCol(index), ChartModel::chartRow(index));
}

void ChartView::finishEditing(QWidget* editor) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace ranvik
