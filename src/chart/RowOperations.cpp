// Operations on whole lines: clearing every result, deleting and inserting a line, and the
// sort by rating. Each keeps every result naming the same player as before.

#include "chart/Tournament.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {

// The own "X" cells stay: the check needs them.
void Tournament::clearAllResults() {
    const Step step(*this, Message(MessageKind::UndoClearAllResults));
    const ChartRules& r = rules();
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = playerRows();
    for (int row = 1; row <= lastRow; ++row) {
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            if (!r.isOwnCell(c, row))
                chart_.setCellQuietly(c, row, "");
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, lastRow);
}

std::vector<CellAt> Tournament::cellsNaming(int row) const {
    std::vector<CellAt> cells;
    for (int r = 1; r <= playerRows(); ++r) {
        for (int c = ChartColumn::FirstResult; r != row && c < chart_.colCount(); ++c) {
            const std::string_view text = chart_.cell(c, r);
            const std::optional<CellAt> other = gameCell(c, r, text);
            if (!text.empty() && other && other->row == row)
                cells.push_back({c, r});
        }
    }
    return cells;
}

int Tournament::resultsNaming(int row) const {
    return static_cast<int>(cellsNaming(row).size());
}

void Tournament::deleteRow(int row) {
    const int lastRow = playerRows();
    const int lastCol = chart_.colCount() - 1;
    if (row < 1 || row > lastRow)
        return;
    const Step step(*this, Message(MessageKind::UndoDeleteRow));
    // The other halves of the deleted player's games go with the player.
    for (const CellAt& at : cellsNaming(row))
        chart_.setCellQuietly(at.col, at.row, "");
    renumberOpponents(row + 1, -1);
    for (int r = row; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c)
            chart_.setCellQuietly(c, r, chart_.cell(c, r + 1));
    }
    moveResultColumns(row + 1, -1);
    markOwnCellsOf(lastRow); // the line that came from beyond the chart
    chart_.notifyCellsChanged(1, 1, lastCol, lastRow);
}

void Tournament::openRowAt(int at) {
    const int last = playerRows();
    const int lastCol = chart_.colCount() - 1;
    if (at < 1 || at > last)
        return;
    const Step step(*this, Message(MessageKind::UndoInsertRow));
    renumberOpponents(at, 1);
    for (int row = last; row > at; --row) {
        for (int col = 1; col <= lastCol; ++col)
            chart_.setCellQuietly(col, row, chart_.cell(col, row - 1));
    }
    for (int col = 1; col <= lastCol; ++col)
        chart_.setCellQuietly(col, at, "");
    moveResultColumns(at, 1);
    markOwnCellsOf(at);
    chart_.notifyCellsChanged(1, at, lastCol, last);
}

// Opponent numbers of a chart whose cells name them, from `from` on, move by delta as the
// lines themselves will.
void Tournament::renumberOpponents(int from, int delta) {
    if (!rules().columnsAreRounds())
        return;
    const int n = playerRows();
    const int lastCol = chart_.colCount() - 1;
    for (int r = 1; r <= n; ++r) {
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            const ParsedResult parsed = ParseResult(chart_.cell(c, r));
            if (parsed.opponent >= from && parsed.opponent <= n)
                chart_.setCellQuietly(c, r,
                                      parsed.letter + std::to_string(parsed.opponent + delta));
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, n);
}

// A round robin's columns of the lines from `from` on move by delta as the lines do (the
// last columns take those beyond the chart on the way up; `from`'s are emptied on the way
// down).
void Tournament::moveResultColumns(int from, int delta) {
    const ChartRules& r = rules();
    const int per = r.gamesPerOpponent();
    if (per == 0)
        return;
    const int lastRow = playerRows();
    const int firstCol = r.firstColumnAgainst(from);
    const int lastCol = chart_.colCount() - 1;
    for (int row = 1; row <= lastRow; ++row) {
        if (delta < 0) {
            for (int c = firstCol - per; c <= lastCol; ++c)
                chart_.setCellQuietly(c, row, chart_.cell(c + per, row));
        } else {
            for (int c = lastCol; c >= firstCol + per; --c)
                chart_.setCellQuietly(c, row, chart_.cell(c - per, row));
            for (int c = firstCol; c < firstCol + per; ++c)
                chart_.setCellQuietly(c, row, "");
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, lastRow);
}

void Tournament::markOwnCellsOf(int row) {
    for (int game = 0; game < rules().gamesPerOpponent(); ++game)
        chart_.setCellQuietly(rules().firstColumnAgainst(row) + game, row, "X");
}

void Tournament::clearAllCells() {
    const Step step(*this, Message(MessageKind::UndoNewChart));
    const int lastRow = playerRows();
    const int lastCol = chart_.colCount() - 1;
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c)
            chart_.setCellQuietly(c, r, "");
    }
    if (lastRow >= 1 && lastCol >= 1)
        chart_.notifyCellsChanged(1, 1, lastCol, lastRow);
}

int Tournament::ratingSortKey(int row) const {
    return ReadInteger(chart_.cell(ChartColumn::Rating, row)).value_or(0);
}

int Tournament::rowAfterSort(int oldRow) const {
    if (oldRow == 0)
        return 0;
    const int n = static_cast<int>(sortOrder_.size()) - 1;
    for (int k = 1; k <= n; ++k) {
        if (sortOrder_[k] == oldRow)
            return k;
    }
    return 0;
}

bool Tournament::sortByRating() {
    if (!rules().columnsAreRounds())
        return false;
    const Step step(*this, Message(MessageKind::UndoSortByRating));
    const int n = playerRows();
    sortOrder_.assign(n + 1, 0);
    for (int k = 1; k <= n; ++k)
        sortOrder_[k] = k;

    // Each rating read once, not at every comparison.
    std::vector<int> keys(n + 1, 0);
    for (int k = 1; k <= n; ++k)
        keys[k] = ratingSortKey(k);
    for (int gap = n + 1; gap > 0; gap /= 2) {
        for (int i = gap + 1; i <= n; ++i) {
            for (int j = i - gap; j > 0; j -= gap) {
                if (keys[sortOrder_[j + gap]] > keys[sortOrder_[j]]) {
                    std::swap(sortOrder_[j], sortOrder_[j + gap]);
                } else {
                    break;
                }
            }
        }
    }

    // Inverse of the order, so each opponent's new row is found at once.
    std::vector<int> newRow(n + 1, 0);
    for (int k = 1; k <= n; ++k)
        newRow[sortOrder_[k]] = k;

    const int lastCol = chart_.colCount() - 1;
    std::vector<std::vector<std::string>> copy(n + 1);
    for (int r = 1; r <= n; ++r) {
        copy[r].reserve(lastCol + 1);
        for (int c = 0; c <= lastCol; ++c)
            copy[r].emplace_back(chart_.cell(c, r));
    }
    for (int k = 1; k <= n; ++k) {
        const auto& old = copy[sortOrder_[k]];
        for (int c = 1; c <= lastCol; ++c) {
            if (c < ChartColumn::FirstResult) {
                chart_.setCellQuietly(c, k, old[c]);
                continue;
            }
            const ParsedResult parsed = ParseResult(old[c]);
            if (parsed.opponent >= 1 && parsed.opponent <= n) {
                chart_.setCellQuietly(c, k,
                                      parsed.letter + std::to_string(newRow[parsed.opponent]));
            } else {
                chart_.setCellQuietly(c, k, old[c]);
            }
        }
    }
    chart_.notifyCellsChanged(1, 1, lastCol, n);
    return true;
}

} // namespace ranvik
