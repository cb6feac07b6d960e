// The director's edits of cells. A game is two cells, the result in each player's line; an
// edit writes the mirror of a result that names an opponent, and takes away the mirror an
// old result left in its opponent's cell, but only while that cell still holds exactly what
// the program wrote there: a cell the director typed otherwise is never overwritten.

#include "chart/Tournament.h"

#include <algorithm>
#include <set>

namespace ranvik {

Message Tournament::editName(int col, int row, std::string_view text) {
    switch (col) {
    case ChartColumn::Name:
        return Message(MessageKind::UndoName, {row});
    case ChartColumn::MemberNumber:
        return Message(MessageKind::UndoMemberNumber, {row});
    case ChartColumn::Rating:
        return Message(MessageKind::UndoRating, {row});
    default:
        return text.empty() ? Message(MessageKind::UndoResultCleared, {row})
                            : Message(MessageKind::UndoResult, {text, row});
    }
}

std::optional<CellAt> Tournament::gameCell(int col, int row, std::string_view text) const {
    if (col < ChartColumn::FirstResult || col >= chart_.colCount() || row < 1 || row > playerRows())
        return std::nullopt;
    const std::optional<CellAt> other = rules().otherCell(col, row, text);
    if (!other || other->row < 1 || other->row > playerRows() ||
        other->col < ChartColumn::FirstResult || other->col >= chart_.colCount())
        return std::nullopt;
    return other;
}

void Tournament::dropStaleMirror(int col, int row, std::string_view before, std::string_view now) {
    const std::optional<CellAt> old = gameCell(col, row, before);
    const std::optional<std::string> oldMirror = rules().mirrorText(before, row);
    if (!old || !oldMirror || chart_.cell(old->col, old->row) != *oldMirror)
        return;
    if (gameCell(col, row, now) == old && rules().mirrorText(now, row) == oldMirror)
        return; // the new entry puts that very mirror there
    chart_.setCell(old->col, old->row, "");
}

void Tournament::writeMirror(int col, int row, std::string_view text) {
    const std::optional<CellAt> other = gameCell(col, row, text);
    const std::optional<std::string> mirror = rules().mirrorText(text, row);
    if (!other || !mirror)
        return;
    // The opponent's cell may itself have named another line, which holds its mirror.
    const std::string previous(chart_.cell(other->col, other->row));
    dropStaleMirror(other->col, other->row, previous, *mirror);
    chart_.setCell(other->col, other->row, *mirror);
}

void Tournament::enterCell(int col, int row, std::string_view text) {
    if (col < 1 || row < 1 || col >= chart_.colCount() || row > playerRows())
        return; // line numbers and headings are the chart's own
    const bool result = col >= ChartColumn::FirstResult;
    const std::string now =
        result ? rules().entered(SanitiseCellText(text)) : SanitiseCellText(text);
    const Step step(*this, editName(col, row, now));
    const std::string before(chart_.cell(col, row));
    if (result && autoUpdate_)
        dropStaleMirror(col, row, before, now);
    chart_.setCell(col, row, now);
    if (result && autoUpdate_)
        writeMirror(col, row, now);
}

void Tournament::clearCells(const std::vector<CellAt>& cells) {
    const Step step(*this, Message(MessageKind::UndoClearCells));
    int col0 = chart_.colCount(), row0 = chart_.rowCount(), col1 = -1, row1 = -1;
    for (const CellAt& at : cells) {
        if (at.col < 1 || at.row < 1)
            continue; // line numbers and headings are the chart's own
        const std::string before(chart_.cell(at.col, at.row));
        chart_.setCellQuietly(at.col, at.row, "");
        if (autoUpdate_)
            dropStaleMirror(at.col, at.row, before, "");
        col0 = std::min(col0, at.col);
        row0 = std::min(row0, at.row);
        col1 = std::max(col1, at.col);
        row1 = std::max(row1, at.row);
    }
    chart_.notifyCellsChanged(col0, row0, col1, row1);
}

void Tournament::pasteBlock(int col, int row, const std::vector<std::vector<std::string>>& block) {
    const Step step(*this, Message(MessageKind::UndoPaste));
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = playerRows();
    struct Replaced {
        CellAt at;
        std::string before;
    };
    std::vector<Replaced> replaced;
    std::set<std::pair<int, int>> pasted;
    int widest = col - 1;
    for (std::size_t k = 0; k < block.size() && row + static_cast<int>(k) <= lastRow; ++k) {
        const int r = row + static_cast<int>(k);
        for (std::size_t j = 0; j < block[k].size() && col + static_cast<int>(j) <= lastCol; ++j) {
            const int c = col + static_cast<int>(j);
            replaced.push_back({{c, r}, std::string(chart_.cell(c, r))});
            pasted.insert({c, r});
            chart_.setCellQuietly(c, r, block[k][j]);
            widest = std::max(widest, c);
        }
    }
    chart_.notifyCellsChanged(col, row, widest,
                              std::min(lastRow, row + static_cast<int>(block.size()) - 1));
    if (!autoUpdate_)
        return;
    // Only once the whole block stands: a mirror inside it is the director's pasted text.
    for (const Replaced& cell : replaced) {
        const std::optional<CellAt> old = gameCell(cell.at.col, cell.at.row, cell.before);
        if (old && pasted.count({old->col, old->row}) == 0)
            dropStaleMirror(cell.at.col, cell.at.row, cell.before,
                            std::string(chart_.cell(cell.at.col, cell.at.row)));
    }
}

} // namespace ranvik
