#include "ui/ChartView.h"

#include "ui/ChartDelegate.h"
#include "ui/ChartModel.h"
#include "ui/FrozenColumnsView.h"

#include "chart/TypedKey.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace ranvik {
namespace {

// Characters the key rules see: the printable ones.
bool IsCharacterKey(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || event.key() == Qt::Key_Backspace)
        return false;
    return text.at(0).isPrint() || text.at(0).isHighSurrogate();
}

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
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
    // Sizes follow the font: a result column holds "W1000" and a row one line of text.
    const QFontMetrics metrics = fontMetrics();
    horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("W1000")) +
                                              metrics.averageCharWidth() * 2);
    horizontalHeader()->setMinimumSectionSize(metrics.averageCharWidth() * 2);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultSectionSize(metrics.lineSpacing() + metrics.height() / 2);
    verticalHeader()->setMinimumSectionSize(metrics.height());
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalHeader()->setHighlightSections(false);
    // The corner is the chart's cell (0, 0): it shows its heading and selects nothing.
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);

    // Name, membership number and rating stay in view while the results scroll sideways.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    frozen_ = new FrozenColumnsView(*this, ChartColumn::FirstResult - 1);
    frozen_->setItemDelegate(new ChartDelegate(this)); // draws the fault marks; never edits
    auto* overlay = new QHBoxLayout(this);
    overlay->setSizeConstraint(QLayout::SetNoConstraint); // the chart's own size is free
    overlay->setSpacing(0);
    overlay->addWidget(frozen_);
    // A firm line where the results slide under the frozen columns.
    frozenEdge_ = new QFrame;
    frozenEdge_->setObjectName(QStringLiteral("frozenColumnsEdge"));
    frozenEdge_->setFrameShape(QFrame::VLine);
    frozenEdge_->setFrameShadow(QFrame::Plain);
    frozenEdge_->setLineWidth(2);
    frozenEdge_->setForegroundRole(QPalette::Dark);
    overlay->addWidget(frozenEdge_);
    overlay->addStretch(1);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && chartModel_) {
        corner->removeEventFilter(this);
        QCoreApplication::sendEvent(corner, event);
        corner->installEventFilter(this);
        // The corner button is disabled (it selects nothing); its heading is drawn as the
        // other headings are, not greyed.
        QPainter painter(corner);
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(corner->rect(), Qt::AlignCenter, chartModel_->cornerText());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void ChartView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->followLeader();
}

void ChartView::setChartModel(ChartModel* model) {
    chartModel_ = model;
    setModel(model);
    applyDesignWidths();
    connect(model, &QAbstractItemModel::columnsInserted, this, &ChartView::applyDesignWidths);
}

void ChartView::applyDesignWidths() {
    // Name, number and rating: wide enough for common content and their whole heading; the
    // result columns take the default.
    const QFontMetrics metrics = fontMetrics();
    const int pad = metrics.averageCharWidth() * 2;
    const int content[] = {metrics.horizontalAdvance(QStringLiteral("Wwwwwwwww, Wwwwwww")),
                           metrics.horizontalAdvance(QStringLiteral("0000000")),
                           metrics.horizontalAdvance(QStringLiteral("0000"))};
    const int count = std::min(3, horizontalHeader()->count());
    for (int i = 0; i < count; ++i) {
        horizontalHeader()->resizeSection(
            i, std::max(content[i] + pad, horizontalHeader()->sectionSizeHint(i)));
    }
}

void ChartView::fitNameColumn() {
    if (!chartModel_ || chartModel_->columnCount() == 0)
        return;
    applyDesignWidths();
    // Wider than the usual name only when a loaded name needs it.
    const int fitted = sizeHintForColumn(0);
    if (fitted > columnWidth(0))
        setColumnWidth(0, fitted);
}

int ChartView::widthShowing(int resultColumns) const {
    int width = verticalHeader()->sizeHint().width() + 2 * frameWidth() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int fixed = std::min(3, horizontalHeader()->count());
    for (int i = 0; i < fixed; ++i)
        width += columnWidth(i);
    return width + resultColumns * horizontalHeader()->defaultSectionSize();
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

std::optional<QString> ChartView::filterKey(const QKeyEvent& event, const QString& typed) {
    if (!chartModel_ || !IsCharacterKey(event))
        return event.text();
    const char32_t key = event.text().toUcs4().value(0);
    const std::optional<char32_t> out =
        TypedKey(key, chartModel_->tournament().rules().kindOf(currentCol()), typed.toStdString());
    if (!out)
        return std::nullopt;
    if (*out == key)
        return event.text();
    return QString::fromUcs4(&*out, 1);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier && state() != EditingState && clearSelectedCells) {
        clearSelectedCells(); // one change, not a typed character
        event->accept();
        return;
    }
    if (IsEnter(*event) && currentIndex().isValid() && state() != EditingState) {
        // The director's own gesture on the cell: its text is entered again, so a result's
        // mirror is written again. Then Enter opens the editor, or goes on down the column.
        model()->setData(currentIndex(), currentIndex().data(Qt::EditRole), Qt::EditRole);
        if (enterMovesDown_)
            moveDown();
        else
            edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
        event->accept();
        return;
    }
    if (!IsCharacterKey(*event) || !currentIndex().isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    // The editor a key opens replaces the cell's text: nothing is typed before the key.
    const std::optional<QString> text = filterKey(*event, QString());
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

void ChartView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    editing_ = false;
    if (editingChanged)
        editingChanged();
}

void ChartView::updateGeometries() {
    QTableView::updateGeometries();
    placeFrozenColumns();
}

// The overlay covers the frozen columns' headings and cells: from the headings' top to the
// cells' bottom, starting after the line numbers.
void ChartView::placeFrozenColumns() {
    if (!frozen_ || !layout())
        return; // still being built
    const QRect cells = viewport()->geometry();
    const QRect inside = contentsRect(); // what the layout lays out: within the frame
    const int top =
        horizontalHeader()->isVisible() ? horizontalHeader()->geometry().top() : cells.top();
    layout()->setContentsMargins(cells.left() - inside.left(), top - inside.top(), 0,
                                 inside.bottom() - cells.bottom());
    // In a chart too narrow to show results beside them, the columns scroll as the others.
    const int results = 2 * horizontalHeader()->defaultSectionSize();
    const bool room = cells.width() >= frozen_->frozenWidth() + results;
    if (room != frozen_->isVisibleTo(this)) {
        finishOpenEditor(); // an editor over the frozen columns would go with them
        frozen_->setVisible(room);
        frozenEdge_->setVisible(room);
    }
    frozen_->raise();
    frozenEdge_->raise();
}

bool ChartView::isFrozen(const QModelIndex& index) const {
    return frozen_->isVisibleTo(this) && frozen_->isFrozen(index);
}

void ChartView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int left = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (!frozen_->isVisibleTo(this))
        return;
    if (frozen_->isFrozen(index)) {
        horizontalScrollBar()->setValue(left);
        return;
    }
    const int covered = frozen_->frozenWidth() - visualRect(index).left();
    if (index.isValid() && covered > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
}

QWidget* ChartView::editorParent(const QModelIndex& index, QWidget* usual) const {
    return isFrozen(index) ? frozen_->viewport() : usual;
}

QRect ChartView::editorRect(const QModelIndex& index, const QRect& usual) const {
    return isFrozen(index) ? frozen_->visualRect(index) : usual;
}

void ChartView::editorOpened() {
    editing_ = true;
    if (editingChanged)
        editingChanged();
}

void ChartView::finishEditing(QWidget* editor) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChartView::moveDown() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() + 1 < model()->rowCount())
        setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void ChartView::finishEditingAndMove(QWidget* editor, QKeyEvent* key) {
    finishEditing(editor);
    if (IsEnter(*key)) {
        moveDown();
        return;
    }
    // Tab, Shift+Tab, up, down: the cursor moves as it would outside the editor, which
    // stays closed.
    QTableView::keyPressEvent(key);
}

} // namespace ranvik
