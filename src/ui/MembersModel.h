#pragma once
// Table model over the in-memory membership table, in the order of the shown ordering.
// The vertical header is the record indicator: it marks the ordering's current record.

#include "members/MemberTable.h"

#include <QAbstractTableModel>

#include <memory>
#include <string>

namespace ranvik {

class MembersModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit MembersModel(QObject* parent = nullptr);

    // The table shown (null: nothing) and the ordering it is shown in.
    void setTable(std::unique_ptr<MemberTable> table, MemberOrder order);
    void setOrder(MemberOrder order);
    MemberTable* table() const { return table_.get(); }
    MemberOrder order() const { return order_; }
    // The shown ordering; nullptr while no table is shown.
    MemberOrdering* ordering() const;

    // The heading a database field is shown under, in the window's language; a field the
    // program does not know keeps its name.
    static QString fieldHeading(const std::string& field);

    // The current record of the shown ordering moved from one position to another.
    void currentMoved(int oldPosition, int newPosition);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::unique_ptr<MemberTable> table_;
    MemberOrder order_ = MemberOrder::Name;
};

} // namespace ranvik
