#include "ui/MembersModel.h"

#include "ui/QtText.h"

namespace ranvik {

namespace {

// The federation's field names stay as the database has them; the grid heads them in words.
struct FieldHeading {
    const char* field;
    const char* heading;
};
constexpr FieldHeading kFieldHeadings[] = {
    {"NUMBER", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Number")},
    {"NAME", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Name")},
    {"PROV", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Province")},
    {"CITY", QT_TRANSLATE_NOOP("ranvik::MembersModel", "City")},
    {"RATING", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Rating")},
    {"ACT_RATING", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Active rating")},
    {"EXPIRY", QT_TRANSLATE_NOOP("ranvik::MembersModel", "Expiry")},
    {"FIDE_ID", QT_TRANSLATE_NOOP("ranvik::MembersModel", "FIDE ID")},
};

} // namespace

QString MembersModel::fieldHeading(const std::string& field) {
    QString name = ToQString(field);
    for (const FieldHeading& known : kFieldHeadings) {
        if (name.compare(QLatin1String(known.field), Qt::CaseInsensitive) == 0)
            return tr(known.heading);
    }
    return name;
}

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
    if (!table_)
        return {};
    if (orientation == Qt::Horizontal) {
        const auto& fields = table_->fields();
        if (section < 0 || section >= static_cast<int>(fields.size()))
            return {};
        const std::string& field = fields[static_cast<std::size_t>(section)];
        // The field's own name too, which the database's messages use.
        if (role == Qt::ToolTipRole)
            return ToQString(field);
        return role == Qt::DisplayRole ? fieldHeading(field) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return {};
    const bool current = static_cast<std::size_t>(section) == ordering()->position();
    return current ? QStringLiteral("\u25B6") : QString();
}

} // namespace ranvik
