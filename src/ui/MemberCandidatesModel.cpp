#include "ui/MemberCandidatesModel.h"

#include "ui/QtText.h"

namespace ranvik {

MemberCandidatesModel::MemberCandidatesModel(QObject* parent) : QAbstractTableModel(parent) {}

void MemberCandidatesModel::setCandidates(std::vector<MemberCandidate> candidates) {
    beginResetModel();
    candidates_ = std::move(candidates);
    endResetModel();
}

int MemberCandidatesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(candidates_.size());
}

int MemberCandidatesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MemberCandidatesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MemberCandidate& candidate = candidates_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == Rating)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Name:
        return ToQString(candidate.name);
    case Number:
        return ToQString(candidate.number);
    case Province:
        return ToQString(candidate.province);
    case Rating:
        return ToQString(candidate.rating);
    default:
        return {};
    }
}

QVariant MemberCandidatesModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Name");
    case Number:
        return tr("Number");
    case Province:
        return tr("Province");
    case Rating:
        return tr("Rating");
    default:
        return {};
    }
}

} // namespace ranvik
