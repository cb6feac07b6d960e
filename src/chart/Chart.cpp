#include "chart/Chart.h"

#include <algorithm>

namespace ranvik {
namespace {
const std::string kEmpty;

// A plain loop: cells are a few characters long, too short for find_first_of to pay off.
bool NeedsSanitising(std::string_view text) {
    for (const char c : text) {
        if (c == '\t' || c == '\r' || c == '\n') return true;
    }
    return false;
}
} // namespace

std::string SanitiseCellText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

void Chart::setColCount(int cols) {
    if (cols == cols_) return;
    cols_ = cols;
    if (listener_) listener_->sizeChanged();
}

void Chart::setRowCount(int rows) {
    if (rows == rows_) return;
    rows_ = rows;
    if (listener_) listener_->sizeChanged();
}

const std::string& Chart::cell(int col, int row) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(cells_.size())) return kEmpty;
    const auto& line = cells_[row];
    if (col >= static_cast<int>(line.size())) return kEmpty;
    return line[col];
}

// Storage grows to the visible size at once, so filling a chart cell by cell does not
// reallocate (and move) a row of thousands of cells again and again.
std::string& Chart::slot(int col, int row) {
    if (row >= static_cast<int>(cells_.size())) cells_.resize(std::max(row + 1, rows_));
    auto& line = cells_[row];
    if (col >= static_cast<int>(line.size())) line.resize(std::max(col + 1, cols_));
    return line[col];
}

void Chart::setCellQuietly(int col, int row, std::string_view text) {
    if (col < 0 || row < 0) return;
    if (text.empty() && cell(col, row).empty()) return; // no storage for nothing
    if (NeedsSanitising(text)) {
        slot(col, row) = SanitiseCellText(text);
    } else {
        slot(col, row).assign(text);
    }
}

void Chart::setCell(int col, int row, std::string_view text) {
    setCellQuietly(col, row, text);
    notifyCellsChanged(col, row, col, row);
}

void Chart::notifyCellsChanged(int col0, int row0, int col1, int row1) {
    if (listener_ && col0 <= col1 && row0 <= row1) listener_->cellsChanged(col0, row0, col1, row1);
}

} // namespace ranvik
