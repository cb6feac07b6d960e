#pragma once
// Editor of one chart cell: a line edit whose typed characters pass the chart's key rules
// first, and whose text the chart receives when the director commits it.

#include <QStyledItemDelegate>

namespace ranvik {

class ChartView;

class ChartDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit ChartDelegate(ChartView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // A faulty cell also gets a hatch and a border, so the mark needs no colour vision.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    ChartView* view_;
};

} // namespace ranvik
