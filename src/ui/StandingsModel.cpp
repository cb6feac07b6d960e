#include "ui/StandingsModel.h"

#include "ui/CoreText.h"
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

void StandingsModel::setStandings(Standings standings) {
    beginResetModel();
    standings_ = std::move(standings);
    endResetModel();
}

int StandingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(standings_.rows.size());
}

int StandingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstTieBreak + static_cast<int>(standings_.tieBreaks.size());
}

QVariant StandingsModel::displayed(const StandingsRow& row, int column) const {
    switch (column) {
    case Rank:
        return ToQString(RankText(row));
    case Line:
        return row.line;
    case Name:
        return ToQString(row.name);
    case Member:
        return ToQString(row.member);
    case Rating:
        return ToQString(row.rating);
    case Points:
        return ToQString(ScoreWithHalf(row.points));
    default:
        return ToQString(FixedTwo(row.tieBreakValues[column - FirstTieBreak]));
    }
}

QVariant StandingsModel::sortValue(const StandingsRow& row, int column) const {
    switch (column) {
    case Rank:
        return row.rank;
    case Line:
        return row.line;
    case Name:
        return ToQString(row.name);
    case Member:
        return ToQString(row.member);
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
    const StandingsRow& row = standings_.rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return displayed(row, index.column());
    case SortRole:
        return sortValue(row, index.column());
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
    const std::string& text = table_.rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(text);
    case Qt::TextAlignmentRole:
        if (table_.numeric[index.column()])
            return RightAligned();
        // Results sit in the middle of their cells, as on a printed grid; names do not.
        if (table_.header[index.column()] == "Name")
            return {};
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (text == kOwnCell)
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
    return CoreText(table_.header[section]);
}

} // namespace ranvik
