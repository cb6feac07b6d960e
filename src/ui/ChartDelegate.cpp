#include "ui/ChartDelegate.h"

#include "chart/CellText.h"
#include "ui/ChartModel.h"
#include "ui/ChartView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPersistentModelIndex>

namespace ranvik {
namespace {
const char* const kIndexProperty = "ranvikIndex";
} // namespace

ChartDelegate::ChartDelegate(ChartView* view) : QStyledItemDelegate(view), view_(view) {}

QWidget* ChartDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    auto* editor = new QLineEdit(view_->editorParent(index, parent));
    editor->setObjectName(QStringLiteral("CellEditor"));
    editor->setFrame(false);
    // No longer than a chart cell may be, so a long paste cannot hang the view.
    editor->setMaxLength(static_cast<int>(MaxCellCharacters));
    editor->setProperty(kIndexProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    view_->editorOpened();
    return editor;
}

void ChartDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text)
        line->setText(text);
}

void ChartDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QStyleOptionViewItem placed(option);
    placed.rect = view_->editorRect(index, option.rect);
    QStyledItemDelegate::updateEditorGeometry(editor, placed, index);
}

// Leaving a cell commits only a changed text: walking through cells writes nothing.
void ChartDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (index.data(Qt::EditRole).toString() != text)
        model->setData(index, text, Qt::EditRole);
}

void ChartDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(ChartModel::FaultMarkRole).toBool())
        return;
    painter->save();
    painter->fillRect(option.rect, QBrush(QColor(120, 60, 0, 90), Qt::BDiagPattern));
    painter->setPen(QPen(QColor(150, 40, 0), 2));
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    painter->restore();
}

bool ChartDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (!editor || event->type() != QEvent::KeyPress) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        // The chart never saw the editor's text: closing it leaves the cell as it was.
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter commits even an unchanged text: the director asks for its mirror again.
        const auto index = editor->property(kIndexProperty).value<QPersistentModelIndex>();
        if (index.isValid()) {
            const_cast<QAbstractItemModel*>(index.model())
                ->setData(index, editor->text(), Qt::EditRole);
            setEditorData(editor, index); // "1/2" became "=": the editor follows
        }
        if (view_->enterMovesDown())
            view_->finishEditingAndMove(editor, key);
        else
            view_->finishEditing(editor);
        return true;
    }
    // Tab, up and down leave the cell without opening the next one's editor, so the arrow
    // keys keep moving between cells.
    const bool leaves = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                        key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (leaves && !(key->modifiers() & Qt::ControlModifier)) {
        view_->finishEditingAndMove(editor, key);
        return true;
    }
    // Delete comes with the text DEL on some platforms, but it edits rather than types a
    // character: the filter never sees it (round robin cells would drop it).
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    const std::optional<QString> text = view_->filterKey(*key, editor->text());
    if (!text)
        return true;
    if (*text == key->text())
        return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), *text);
    editor->event(&replaced);
    return true;
}

} // namespace ranvik
