#include "chart/Tournament.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {

namespace {

const char* ColumnName(int col) {
    switch (col) {
    case ChartColumn::Name:
        return "Name";
    case ChartColumn::MemberNumber:
        return "Membership number";
    case ChartColumn::Rating:
        return "Rating";
    default:
        return "Cell";
    }
}

// "Result W5 in line 3", "Name in line 3": what the director typed and where.
std::string LooseEditName(int col, int row, std::string_view text) {
    const std::string line = " in line " + std::to_string(row);
    if (col < ChartColumn::FirstResult)
        return ColumnName(col) + line;
    if (text.empty())
        return "Result cleared" + line;
    return "Result " + std::string(text) + line;
}

} // namespace

Tournament::Tournament() {
    chart_.history().looseName = LooseEditName;
}

Tournament::Step::Step(Tournament& tournament, std::string name) : tournament_(tournament) {
    tournament_.beginStep(std::move(name));
}

Tournament::Step::~Step() {
    tournament_.endStep();
}

void Tournament::beginStep(std::string name) {
    chart_.history().beginStep(std::move(name), shape(), chart_);
}

void Tournament::endStep() {
    chart_.history().endStep(shape(), chart_);
}

ChartShape Tournament::shape() const {
    return {numPlayers_,    numRounds_,        static_cast<int>(type_),
            roundsEnabled_, chart_.colCount(), chart_.rowCount()};
}

bool Tournament::modified() const {
    const ChartHistory& history = chart_.history();
    return modified_ || !history.atSavedState() || history.hasLooseEdit();
}

void Tournament::setModified(bool modified) {
    if (!modified) {
        chart_.history().closeLooseEdit(chart_);
        chart_.history().markSaved();
    }
    modified_ = modified;
}

void Tournament::forgetHistory() {
    chart_.history().clear();
}

void Tournament::finishCellEdit() {
    chart_.history().closeLooseEdit(chart_);
}

bool Tournament::undo() {
    if (!chart_.history().canUndo() && !chart_.history().hasLooseEdit())
        return false;
    const HistoryRestore restore = chart_.history().undo(chart_);
    applyRestore(restore);
    return true;
}

bool Tournament::redo() {
    chart_.history().closeLooseEdit(chart_);
    if (!chart_.history().canRedo())
        return false;
    applyRestore(chart_.history().redo(chart_));
    return true;
}

void Tournament::applyRestore(const HistoryRestore& restore) {
    modified_ = false; // the history alone says now whether the chart left its saved state
    editText_ = chart_.cell(editCol_, editRow_);
    if (restore.restoresShape) {
        const ChartShape& to = restore.shape;
        numPlayers_ = to.players;
        numRounds_ = to.rounds;
        type_ = static_cast<TournamentType>(to.type);
        roundsEnabled_ = to.roundsEnabled;
        chart_.setColCount(to.cols);
        chart_.setRowCount(to.rows);
    }
    chart_.notifyCellsChanged(restore.col0, restore.row0, restore.col1, restore.row1);
    if (restore.restoresShape)
        shapeChanged();
}

int Tournament::resultsLostByLastStep() const {
    const ChartHistory::Step* step = chart_.history().lastStep();
    if (!step)
        return 0;
    auto counts = [](std::string_view text) { return !text.empty() && text != "X"; };
    int lost = 0;
    ChartHistory::forEachCell(
        *step, [&](int col, int row, std::string_view before, std::string_view) {
            if (col >= ChartColumn::FirstResult && row >= 1 && col < step->before.cols &&
                row < step->before.rows && counts(before))
                ++lost;
        });
    // Cells visible before and hidden after keep their text, which is read from the chart.
    for (int row = 1; row < step->before.rows; ++row) {
        for (int col = ChartColumn::FirstResult; col < step->before.cols; ++col) {
            if (row >= step->after.rows || col >= step->after.cols)
                lost += counts(chart_.cell(col, row)) ? 1 : 0;
        }
    }
    return lost;
}

void Tournament::shapeChanged() {
    if (onShapeChanged)
        onShapeChanged();
}

void Tournament::setNumPlayers(int value) {
    value = std::clamp(value, MinPlayers, MaxPlayers);
    if (value == numPlayers_)
        return;
    const Step step(*this, "Number of players");
    numPlayers_ = value;
    playersChanged();
    shapeChanged();
}

void Tournament::setNumRounds(int value) {
    value = std::clamp(value, MinRounds, MaxRounds);
    if (value == numRounds_)
        return;
    const Step step(*this, "Number of rounds");
    numRounds_ = value;
    roundsChanged();
    shapeChanged();
}

void Tournament::setType(TournamentType type) {
    if (type == type_)
        return;
    const Step step(*this, "Tournament type");
    type_ = type;
    layOutForType();
    shapeChanged();
}

void Tournament::setPlayersForFileLoad(int value) {
    const bool laidOut = numPlayers_ != std::clamp(value, MinPlayers, MaxPlayers);
    ownMarksSuspended_ = true;
    setNumPlayers(value);
    // An unchanged count runs no layout by itself; a round robin chart still needs one.
    if (!laidOut && type_ == TournamentType::RoundRobin)
        layOutRoundRobin();
    if (!laidOut && type_ == TournamentType::DoubleRoundRobin)
        layOutDoubleRoundRobin();
    ownMarksSuspended_ = false;
}

// The start of a chart, not a change to one: the history starts here.
void Tournament::layOutStartChart() {
    const ChartHistory::Paused unrecorded(chart_.history());
    editText_.clear();
    editRow_ = 0;
    editCol_ = 0;
    chart_.setColCount(numRounds_ + ChartColumn::FirstResult);
    chart_.setRowCount(numPlayers_ + 1);
    chart_.setCell(ChartColumn::LineNumber, 0, "#");
    chart_.setCell(ChartColumn::Name, 0, "Name/Nom");
    chart_.setCell(ChartColumn::MemberNumber, 0, "QRB#");
    chart_.setCell(ChartColumn::Rating, 0, "Rtng/Cote");
    setSwissHeadings();
    numberRows();
    forgetHistory();
}

void Tournament::numberRows() {
    const int last = chart_.rowCount() - 1;
    for (int r = 1; r <= last; ++r)
        chart_.setCellQuietly(ChartColumn::LineNumber, r, std::to_string(r));
    chart_.notifyCellsChanged(0, 1, 0, last);
}

void Tournament::setSwissHeadings() {
    const int last = chart_.colCount() - 1;
    for (int c = ChartColumn::FirstResult; c <= last; ++c) {
        chart_.setCellQuietly(c, 0, "Rd " + std::to_string(c - ChartColumn::FirstResult + 1));
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 0, last, 0);
}

// Puts "X" into each player's own cells for the current type and empties every other
// result cell that holds exactly "X". Only the visible result cells are touched, row by row
// as they are stored: a full double round robin has two million of them.
void Tournament::markOwnCells() {
    if (ownMarksSuspended_)
        return;
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = chart_.rowCount() - 1;
    // The columns where row r meets itself; none for Swiss.
    const int perOpponent = type_ == TournamentType::DoubleRoundRobin ? 2 : 1;
    const bool roundRobin = type_ != TournamentType::Swiss;
    for (int r = 1; r <= lastRow; ++r) {
        const int ownFirst = roundRobin ? ChartColumn::FirstResult + perOpponent * (r - 1) : -1;
        const int ownLast = roundRobin ? ownFirst + perOpponent - 1 : -1;
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            if (c >= ownFirst && c <= ownLast) {
                chart_.setCellQuietly(c, r, "X");
            } else if (chart_.cell(c, r) == "X") {
                chart_.setCellQuietly(c, r, "");
            }
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, lastRow);
}

void Tournament::layOutSwiss() {
    const Step step(*this, "Tournament type");
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
    chart_.setColCount(numRounds_ + ChartColumn::FirstResult);
    setSwissHeadings();
    markOwnCells();
    modified_ = true;
}

void Tournament::layOutRoundRobin() {
    const Step step(*this, "Tournament type");
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
    chart_.setColCount(numPlayers_ + ChartColumn::FirstResult);
    const int last = chart_.colCount() - 1;
    for (int c = ChartColumn::FirstResult; c <= last; ++c) {
        chart_.setCellQuietly(c, 0, std::to_string(c - ChartColumn::FirstResult + 1));
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 0, last, 0);
    markOwnCells();
    modified_ = true;
}

void Tournament::layOutDoubleRoundRobin() {
    const Step step(*this, "Tournament type");
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
    chart_.setColCount(2 * numPlayers_ + ChartColumn::FirstResult);
    const int last = chart_.colCount() - 1;
    for (int c = ChartColumn::FirstResult; c <= last; ++c) {
        const int k = c - ChartColumn::FirstResult;
        chart_.setCellQuietly(c, 0, std::to_string(k / 2 + 1) + (k % 2 == 0 ? "a" : "b"));
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 0, last, 0);
    markOwnCells();
    modified_ = true;
}

void Tournament::fitColumnsToRounds() {
    const Step step(*this, "Number of rounds");
    roundsEnabled_ = true;
    chart_.setColCount(numRounds_ + ChartColumn::FirstResult);
    setSwissHeadings();
}

void Tournament::roundsChanged() {
    fitColumnsToRounds();
    modified_ = true;
}

void Tournament::playersChanged() {
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
    if (type_ == TournamentType::RoundRobin)
        layOutRoundRobin();
    if (type_ == TournamentType::DoubleRoundRobin)
        layOutDoubleRoundRobin();
    modified_ = true;
}

void Tournament::layOutForType() {
    switch (type_) {
    case TournamentType::Swiss:
        layOutSwiss();
        break;
    case TournamentType::RoundRobin:
        layOutRoundRobin();
        break;
    case TournamentType::DoubleRoundRobin:
        layOutDoubleRoundRobin();
        break;
    }
    roundsEnabled_ = type_ == TournamentType::Swiss;
}

std::optional<char32_t> Tournament::filterTypedKey(char32_t key, int col, int row) {
    modified_ = true;
    auto upper = [](char32_t k) { return (k >= U'a' && k <= U'z') ? k - U'a' + U'A' : k; };
    if (!isSwiss() && col >= ChartColumn::FirstResult) {
        switch (upper(key)) {
        case U'W':
            key = U'1';
            break;
        case U'D':
            key = U'=';
            break;
        case U'L':
            key = U'0';
            break;
        case U'\u00BD': // ½
            key = U'=';
            break;
        default:
            break;
        }
        // "1/2" is a draw too: the slash after a 1, the 2 after "1/"; the update makes it "=".
        const std::string_view now = chart_.cell(col, row);
        if ((key == U'/' && now.ends_with("1")) || (key == U'2' && now.ends_with("1/")))
            return key;
        const char32_t k = upper(key);
        if (k != U'1' && k != U'0' && k != U'=' && k != U'X' && k != Enter && k != Backspace) {
            return std::nullopt;
        }
    }
    if (col >= ChartColumn::FirstResult) {
        key = upper(key);
        if (isSwiss()) {
            switch (key) {
            case U'B':
            case U'X':
                key = U'W';
                break;
            case U'H':
            case U'Z':
                key = U'D';
                break;
            case U'F':
            case U'U':
                key = U'L';
                break;
            default:
                break;
            }
        }
    }
    if (key == Enter) {
        editCol_ = col;
        editRow_ = row;
        normaliseDraw();
        editText_ = chart_.cell(col, row);
        if (isSwiss()) {
            writeSwissMirror();
        } else {
            writeRoundRobinMirror();
        }
        finishCellEdit();
    }
    return key;
}

void Tournament::moveToCell(int newCol, int newRow) {
    normaliseDraw();
    editText_ = chart_.cell(editCol_, editRow_);
    if (isSwiss()) {
        writeSwissMirror();
    } else {
        writeRoundRobinMirror();
    }
    finishCellEdit();
    editCol_ = newCol;
    editRow_ = newRow;
}

// A round robin draw typed as "1/2" is stored as "=", the one way the chart spells it.
void Tournament::normaliseDraw() {
    if (isSwiss() || editCol_ < ChartColumn::FirstResult)
        return;
    const std::string_view text = chart_.cell(editCol_, editRow_);
    if (text == "1/2" || text == "\u00BD")
        chart_.setCell(editCol_, editRow_, "=");
}

void Tournament::beginEditing(int col, int row) {
    if (col != editCol_ || row != editRow_) {
        editCol_ = col;
        editRow_ = row;
    }
}

void Tournament::writeSwissMirror() {
    if (!autoUpdate_ || editCol_ < ChartColumn::FirstResult || editText_.empty())
        return;
    const ParsedResult parsed = ParseResult(editText_);
    if (parsed.opponent >= 1 && parsed.opponent <= playerRows()) {
        chart_.setCell(editCol_, parsed.opponent,
                       MirrorLetter(parsed.letter) + std::to_string(editRow_));
    }
}

void Tournament::writeRoundRobinMirror() {
    if (!autoUpdate_ || editCol_ < ChartColumn::FirstResult || editText_.empty() ||
        editText_ == "X")
        return;
    const int k = editCol_ - ChartColumn::FirstResult;
    int targetCol = ChartColumn::FirstResult + editRow_ - 1;
    int targetRow = k + 1;
    if (type_ == TournamentType::DoubleRoundRobin) {
        targetCol = ChartColumn::FirstResult + 2 * (editRow_ - 1) + k % 2;
        targetRow = k / 2 + 1;
    }
    if (targetRow > playerRows() || targetCol >= chart_.colCount())
        return;
    const int points = RoundRobinPoints(editText_);
    chart_.setCell(targetCol, targetRow, points == 2 ? "0" : points == 1 ? "=" : "1");
}

// A round robin chart keeps its own "X" cells: the check needs them.
void Tournament::clearAllResults() {
    const Step step(*this, "Clear all results");
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = playerRows();
    const int perOpponent = type_ == TournamentType::DoubleRoundRobin ? 2 : 1;
    for (int r = 1; r <= lastRow; ++r) {
        const int ownFirst = isSwiss() ? -1 : ChartColumn::FirstResult + perOpponent * (r - 1);
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            if (c < ownFirst || c >= ownFirst + perOpponent)
                chart_.setCellQuietly(c, r, "");
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, lastRow);
    modified_ = true;
}

void Tournament::deleteRow(int row) {
    const int lastRow = playerRows();
    const int lastCol = chart_.colCount() - 1;
    if (row < 1 || row > lastRow)
        return;
    const Step step(*this, "Delete row");
    renumberOpponents(row + 1, -1, row);
    for (int r = row; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c)
            chart_.setCellQuietly(c, r, chart_.cell(c, r + 1));
    }
    chart_.notifyCellsChanged(1, row, lastCol, lastRow);
    modified_ = true;
}

void Tournament::openRowAt(int at) {
    const int last = playerRows();
    const int lastCol = chart_.colCount() - 1;
    if (at < 1 || at > last)
        return;
    const Step step(*this, "Insert row");
    renumberOpponents(at, 1, 0);
    for (int row = last; row > at; --row) {
        for (int col = 1; col <= lastCol; ++col)
            chart_.setCellQuietly(col, row, chart_.cell(col, row - 1));
    }
    for (int col = 1; col <= lastCol; ++col)
        chart_.setCellQuietly(col, at, "");
    chart_.notifyCellsChanged(1, at, lastCol, last);
}

// Opponent references of a Swiss chart to rows from `from` on move by delta, as the rows
// themselves will; a reference to `skip` (a deleted player) is left for the check to report.
void Tournament::renumberOpponents(int from, int delta, int skip) {
    if (!isSwiss())
        return;
    const int n = playerRows();
    const int lastCol = chart_.colCount() - 1;
    for (int r = 1; r <= n; ++r) {
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            const ParsedResult parsed = ParseResult(chart_.cell(c, r));
            if (parsed.opponent >= from && parsed.opponent <= n && parsed.opponent != skip)
                chart_.setCellQuietly(c, r,
                                      parsed.letter + std::to_string(parsed.opponent + delta));
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, n);
}

void Tournament::clearCells(const std::vector<std::pair<int, int>>& cells) {
    const Step step(*this, "Clear cells");
    int col0 = chart_.colCount(), row0 = chart_.rowCount(), col1 = -1, row1 = -1;
    for (const auto& [col, row] : cells) {
        if (col < 1 || row < 1)
            continue; // line numbers and headings are the chart's own
        chart_.setCellQuietly(col, row, "");
        col0 = std::min(col0, col);
        row0 = std::min(row0, row);
        col1 = std::max(col1, col);
        row1 = std::max(row1, row);
    }
    chart_.notifyCellsChanged(col0, row0, col1, row1);
}

void Tournament::writeBlock(int col, int row, const std::vector<std::vector<std::string>>& block) {
    const Step step(*this, "Paste");
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = playerRows();
    int widest = col - 1;
    for (std::size_t k = 0; k < block.size(); ++k) {
        const int r = row + static_cast<int>(k);
        if (r > lastRow)
            break;
        for (std::size_t j = 0; j < block[k].size(); ++j) {
            const int c = col + static_cast<int>(j);
            if (c > lastCol)
                break;
            chart_.setCellQuietly(c, r, block[k][j]);
            widest = std::max(widest, c);
        }
    }
    chart_.notifyCellsChanged(col, row, widest,
                              std::min(lastRow, row + static_cast<int>(block.size()) - 1));
}

void Tournament::clearAllCells() {
    const Step step(*this, "New chart");
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
    if (!isSwiss())
        return false;
    const Step step(*this, "Sort by rating");
    modified_ = true;
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
