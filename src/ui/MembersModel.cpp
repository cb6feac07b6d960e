#include "ui/MembersModel.h"

namespace ranvik {

MembersModel::MembersModel(QObject* parent) : QAbstractTableModel(parent) {}

void MembersModel::setTable(std::unique_ptr<MemberTable> table, MemberOrder order) {
    beginResetModel();
    table_ = std::move(table);
    order_ = order;
    endResetModel();
}

void MembersModel::setOrder(MemberOrder order) {
    // The view rebuilds its columns as a grid does when its data source changes.
    beginResetModel();
    order_ = order;
    endResetModel();
}

MemberOrdering* MembersModel::ordering() const {
    return table_ ? &table_->ordering(order_) : nullptr;
}

void MembersModel::currentMoved(int oldPosition, int newPosition) {
    const int last = rowCount() - 1;
    for (int position : {oldPosition, newPosition}) {
        if (position >= 0 && position <= last)
            emit headerDataChanged(Qt::Vertical, position, position);
    }
}

int MembersModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_)
        return 0;
    return static_cast<int>(table_->rowCount());
}

int MembersModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_)
        return 0;
    return static_cast<int>(table_->fields().size());
}

QVariant MembersModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid() || role != Qt::DisplayRole)
        return {};
    const std::size_t row = ordering()->rowAt(static_cast<std::size_t>(index.row()));
    const auto& value = table_->value(row, static_cast<std::size_t>(index.column()));
    return value ? QString::fromStdString(*value) : QString();
}

Qt::ItemFlags MembersModel::flags(const QModelIndex& index) const {
    // Read only: the program never changes a membership file.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant MembersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !table_)
        return {};
    if (orientation == Qt::Horizontal) {
        const auto& fields = table_->fields();
        if (section < 0 || section >= static_cast<int>(fields.size()))
            return {};
        return QString::fromStdString(fields[static_cast<std::size_t>(section)]);
    }
    const bool current = static_cast<std::size_t>(section) == ordering()->position();
    return current ? QStringLiteral("\u25B6") : QString();
}

} // namespace ranvik
