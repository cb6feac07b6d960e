#include "ui/StandingsModel.h"

#include "ui/MessageText.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QPalette>

#include <charconv>

namespace ranvik {

namespace {

constexpr const char* kOwnCell = "\u00d7"; // how the document marks a player's own cell

// A rating as a number, so that 900 sorts below 1500; an empty or odd rating sorts lowest.
int RatingValue(const std::string& rating) {
    int value = -1;
    std::from_chars(rating.data(), rating.data() + rating.size(), value);
    return value;
}

QVariant RightAligned() {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

StandingsModel::StandingsModel(QObject* parent) : QAbstractTableModel(parent) {}

void StandingsModel::setStandings(Standings standings, const std::string& decimalSeparator) {
    beginResetModel();
    standings_ = std::move(standings);
    texts_.clear();
    texts_.reserve(standings_.rows.size() * static_cast<std::size_t>(columnCount()));
    for (const StandingsRow& row : standings_.rows) {
        texts_.insert(texts_.end(), {RankText(row), std::to_string(row.line), row.name, row.member,
                                     row.rating, ScoreWithHalf(row.points)});
        for (int value : row.tieBreakValues)
            texts_.push_back(QuartersWithHalf(value, decimalSeparator));
    }
    endResetModel();
}

std::string_view StandingsModel::text(int row, int column) const {
    return texts_[static_cast<std::size_t>(row) * columnCount() + column];
}

int StandingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(standings_.rows.size());
}

int StandingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstTieBreak + static_cast<int>(standings_.tieBreaks.size());
}

QVariant StandingsModel::sortValue(int rowIndex, int column) const {
    const StandingsRow& row = standings_.rows[rowIndex];
    switch (column) {
    case Rank:
        return row.rank;
    case Line:
        return row.line;
    case Name:
    case Member:
        return ToQString(text(rowIndex, column));
    case Rating:
        return RatingValue(row.rating);
    case Points:
        return row.points;
    default:
        return row.tieBreakValues[column - FirstTieBreak];
    }
}

QVariant StandingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(text(index.row(), index.column()));
    case SortRole:
        return sortValue(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (index.column() != Name && index.column() != Member)
            return RightAligned();
        return {};
    default:
        return {};
    }
}

QVariant StandingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Rank:
        return tr("Rank");
    case Line:
        return tr("Line");
    case Name:
        return tr("Name");
    case Member:
        return tr("Member");
    case Rating:
        return tr("Rating");
    case Points:
        return tr("Points");
    default:
        // The regulations' short names are the same in every language.
        return ToQString(ShortName(standings_.tieBreaks[section - FirstTieBreak]));
    }
}

DocumentTableModel::DocumentTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void DocumentTableModel::setTable(DocumentTable table) {
    beginResetModel();
    table_ = std::move(table);
    headers_.clear();
    alignments_.clear();
    for (std::size_t c = 0; c < table_.header.size(); ++c) {
        const Message& heading = table_.header[c];
        headers_ << MessageText(heading);
        // Results sit in the middle of their cells, as on a printed grid; names do not.
        alignments_.push_back(table_.numeric[c] ? Qt::AlignRight | Qt::AlignVCenter
                              : heading.kind() == MessageKind::StandingsColumnName
                                  ? Qt::AlignLeft | Qt::AlignVCenter
                                  : Qt::AlignCenter);
    }
    endResetModel();
}

int DocumentTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int DocumentTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
}

QVariant DocumentTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const std::string& cell = table_.rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(cell);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignments_[index.column()]);
    case Qt::BackgroundRole:
        if (cell == kOwnCell)
            return QApplication::palette().brush(QPalette::Mid);
        return {};
    default:
        return {};
    }
}

QVariant DocumentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return headers_[section];
}

} // namespace ranvik
