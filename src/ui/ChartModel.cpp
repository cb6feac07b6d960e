#include "ui/ChartModel.h"

#include "ui/MessageText.h"

#include "chart/CellText.h"
#include "validation/ChartProblems.h"

#include <QColor>

#include <algorithm>

namespace ranvik {

ChartModel::ChartModel(Tournament& tournament, QObject* parent)
    : QAbstractTableModel(parent), tournament_(tournament) {
    rows_ = std::max(0, tournament_.chart().rowCount() - 1);
    cols_ = std::max(0, tournament_.chart().colCount() - 1);
    tournament_.chart().addListener(this);
}

ChartModel::~ChartModel() {
    tournament_.chart().removeListener(this);
}

int ChartModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}
int ChartModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant ChartModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && problems_ &&
        (role == Qt::BackgroundRole || role == Qt::ToolTipRole || role == FaultMarkRole)) {
        if (!problems_->isMarked(chartCol(index), chartRow(index)))
            return {};
        if (role == FaultMarkRole)
            return true;
        if (role == Qt::BackgroundRole)
            return QColor(255, 214, 102); // amber: apart from red and green for every eye
        return MessageText(problems_->cellMessage(chartCol(index), chartRow(index)));
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return ToQString(tournament_.chart().cell(chartCol(index), chartRow(index)));
}

// A committed edit: the chart enters it (with the opponent's cell), even when unchanged.
bool ChartModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    // A control character pasted into the cell's editor is a blank in the chart, as a TAB
    // or a line end is: no cell may hold one.
    std::string text = value.toString().toStdString();
    ControlBytesToSpaces(text);
    tournament_.enterCell(chartCol(index), chartRow(index), text);
    return true;
}

Qt::ItemFlags ChartModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ChartModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        // The rounds are headed in the window's language; the first columns' headings are
        // bilingual already, and a round robin's opponent numbers read alike in both.
        const int round = section + 2 - ChartColumn::FirstResult;
        if (round >= 1 && tournament_.rules().columnsAreRounds())
            return tr("Rd %1").arg(round);
        return ToQString(tournament_.chart().cell(section + 1, 0));
    }
    return ToQString(tournament_.chart().cell(0, section + 1));
}

void ChartModel::cellsChanged(int col0, int row0, int col1, int row1) {
    if (row0 == 0 && cols_ > 0) {
        const int first = std::max(col0, 1) - 1;
        const int last = std::min(col1, cols_) - 1;
        if (first <= last)
            emit headerDataChanged(Qt::Horizontal, first, last);
    }
    if (col0 == 0 && rows_ > 0) {
        const int first = std::max(row0, 1) - 1;
        const int last = std::min(row1, rows_) - 1;
        if (first <= last)
            emit headerDataChanged(Qt::Vertical, first, last);
    }
    const int firstRow = std::max(row0, 1) - 1;
    const int lastRow = std::min(row1, rows_) - 1;
    const int firstCol = std::max(col0, 1) - 1;
    const int lastCol = std::min(col1, cols_) - 1;
    if (firstRow <= lastRow && firstCol <= lastCol) {
        emit dataChanged(index(firstRow, firstCol), index(lastRow, lastCol));
    }
}

void ChartModel::sizeChanged() {
    const int rows = std::max(0, tournament_.chart().rowCount() - 1);
    const int cols = std::max(0, tournament_.chart().colCount() - 1);
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (cols > cols_) {
        beginInsertColumns({}, cols_, cols - 1);
        cols_ = cols;
        endInsertColumns();
    } else if (cols < cols_) {
        beginRemoveColumns({}, cols, cols_ - 1);
        cols_ = cols;
        endRemoveColumns();
    }
}

void ChartModel::marksChanged(const std::vector<ChartCell>& cells) {
    for (const ChartCell& cell : cells) {
        if (cell.row >= 1 && cell.row <= rows_ && cell.col >= 1 && cell.col <= cols_) {
            const QModelIndex at = indexOf(cell.col, cell.row);
            emit dataChanged(at, at, {Qt::BackgroundRole, Qt::ToolTipRole, FaultMarkRole});
        }
    }
}

void ChartModel::allMarksChanged() {
    if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1),
                         {Qt::BackgroundRole, Qt::ToolTipRole, FaultMarkRole});
    }
}

} // namespace ranvik
