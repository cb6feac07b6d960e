#pragma once
// The name, membership-number and rating columns drawn over the chart's left edge, so they
// stay in view while the results scroll sideways. It shares the chart's model and selection
// and shows only those columns; the chart view keeps the keyboard and opens every editor,
// placing the editors of these columns here, above the scrolled cells beneath.

#include <QTableView>

namespace ranvik {

class FrozenColumnsView : public QTableView {
    Q_OBJECT
  public:
    // The first `columns` columns of the leader's model stay frozen.
    FrozenColumnsView(QTableView& leader, int columns);

    bool isFrozen(const QModelIndex& index) const {
        return index.isValid() && index.column() < columns_;
    }
    // Width of the frozen columns together: what the overlay covers of the leader.
    int frozenWidth() const;

    // Takes the leader's model and selection; called after each model change of the leader.
    void followLeader();

    // As wide as the frozen columns; as tall as the layout gives.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    // Selections look as active as the leader's while the leader has the focus.
    void initViewItemOption(QStyleOptionViewItem* option) const override;

  private:
    void hideScrolledColumns();
    void copyWidth(int column, int width);
    void copyWidthToLeader(int column, int width);

    QTableView& leader_;
    int columns_;
};

} // namespace ranvik
