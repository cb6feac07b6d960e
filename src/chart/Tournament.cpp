#include "chart/Tournament.h"

#include "chart/ResultNotation.h"

#include <algorithm>

namespace ranvik {

Tournament::Tournament() {
    chart_.history().looseName = editName;
}

Tournament::Step::Step(Tournament& tournament, Message name) : tournament_(tournament) {
    tournament_.beginStep(std::move(name));
}

Tournament::Step::~Step() {
    tournament_.endStep();
}

void Tournament::beginStep(Message name) {
    chart_.history().beginStep(std::move(name), shape(), chart_);
}

void Tournament::endStep() {
    chart_.history().endStep(shape(), chart_);
}

ChartShape Tournament::shape() const {
    return {numPlayers_, numRounds_, static_cast<int>(type_), chart_.colCount(), chart_.rowCount()};
}

bool Tournament::modified() const {
    const ChartHistory& history = chart_.history();
    return !history.atSavedState() || history.hasLooseEdit();
}

void Tournament::setModified(bool modified) {
    chart_.history().closeLooseEdit(chart_);
    if (modified)
        chart_.history().forgetSavedState();
    else
        chart_.history().markSaved();
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
    applyRestore(chart_.history().undo(chart_));
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
    if (restore.restoresShape) {
        const ChartShape& to = restore.shape;
        numPlayers_ = to.players;
        numRounds_ = to.rounds;
        type_ = static_cast<TournamentType>(to.type);
        chart_.setColCount(to.cols);
        chart_.setRowCount(to.rows);
    }
    chart_.notifyCellsChanged(restore.col0, restore.row0, restore.col1, restore.row1);
    if (restore.restoresShape)
        shapeChanged();
}

void Tournament::shapeChanged() {
    if (onShapeChanged)
        onShapeChanged();
}

void Tournament::setNumPlayers(int value) {
    value = std::clamp(value, MinPlayers, MaxPlayers);
    if (value == numPlayers_)
        return;
    const Step step(*this, Message(MessageKind::UndoNumberOfPlayers));
    numPlayers_ = value;
    playersChanged();
    shapeChanged();
}

void Tournament::setNumRounds(int value) {
    value = std::clamp(value, MinRounds, MaxRounds);
    if (value == numRounds_)
        return;
    const Step step(*this, Message(MessageKind::UndoNumberOfRounds));
    numRounds_ = value;
    // A round robin keeps its columns; the count waits for a Swiss chart.
    if (rules().columnsAreRounds())
        fitColumnsToRounds();
    shapeChanged();
}

void Tournament::setType(TournamentType type) {
    if (type == type_)
        return;
    const Step step(*this, Message(MessageKind::UndoTournamentType));
    type_ = type;
    layOut();
    shapeChanged();
}

void Tournament::setPlayersForFileLoad(int value) {
    const bool laidOut = numPlayers_ != std::clamp(value, MinPlayers, MaxPlayers);
    ownMarksSuspended_ = true;
    setNumPlayers(value);
    // An unchanged count runs no layout by itself; a round robin chart still needs one.
    if (!laidOut && !rules().columnsAreRounds())
        layOut();
    ownMarksSuspended_ = false;
}

// The start of a chart, not a change to one: the history starts here.
void Tournament::layOutStartChart() {
    const ChartHistory::Paused unrecorded(chart_.history());
    chart_.setColCount(rules().resultColumns(numPlayers_, numRounds_) + ChartColumn::FirstResult);
    chart_.setRowCount(numPlayers_ + 1);
    chart_.setCell(ChartColumn::LineNumber, 0, "#");
    chart_.setCell(ChartColumn::Name, 0, "Name/Nom");
    chart_.setCell(ChartColumn::MemberNumber, 0, "QRB#");
    chart_.setCell(ChartColumn::Rating, 0, "Rtng/Cote");
    setHeadings();
    numberRows();
    forgetHistory();
}

void Tournament::numberRows() {
    const int last = chart_.rowCount() - 1;
    for (int r = 1; r <= last; ++r)
        chart_.setCellQuietly(ChartColumn::LineNumber, r, std::to_string(r));
    chart_.notifyCellsChanged(0, 1, 0, last);
}

void Tournament::setHeadings() {
    const int last = chart_.colCount() - 1;
    for (int c = ChartColumn::FirstResult; c <= last; ++c)
        chart_.setCellQuietly(c, 0, rules().heading(c - ChartColumn::FirstResult));
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 0, last, 0);
}

// Puts "X" into each player's own cells for the current type and empties every other
// result cell that holds exactly "X". Only the visible result cells are touched, row by row
// as they are stored: a full double round robin has two million of them.
void Tournament::markOwnCells() {
    if (ownMarksSuspended_)
        return;
    const ChartRules& r = rules();
    const int lastCol = chart_.colCount() - 1;
    const int lastRow = chart_.rowCount() - 1;
    for (int row = 1; row <= lastRow; ++row) {
        for (int c = ChartColumn::FirstResult; c <= lastCol; ++c) {
            if (r.isOwnCell(c, row)) {
                chart_.setCellQuietly(c, row, "X");
            } else if (chart_.cell(c, row) == "X") {
                chart_.setCellQuietly(c, row, "");
            }
        }
    }
    chart_.notifyCellsChanged(ChartColumn::FirstResult, 1, lastCol, lastRow);
}

// Rows for the players, the type's result columns with their headings, own cells marked.
void Tournament::layOut() {
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
    chart_.setColCount(rules().resultColumns(numPlayers_, numRounds_) + ChartColumn::FirstResult);
    setHeadings();
    markOwnCells();
}

void Tournament::fitColumnsToRounds() {
    chart_.setColCount(numRounds_ + ChartColumn::FirstResult);
    setHeadings();
}

// A Swiss chart only gains or loses rows; a round robin is laid out again.
void Tournament::playersChanged() {
    const Step step(*this, Message(MessageKind::UndoNumberOfPlayers));
    if (!rules().columnsAreRounds()) {
        layOut();
        return;
    }
    chart_.setRowCount(numPlayers_ + 1);
    numberRows();
}

LayoutLoss Tournament::layoutLoss(TournamentType type, int players, int rounds) const {
    const ChartRules& before = rules();
    const ChartRules& after = RulesFor(type);
    players = std::clamp(players, MinPlayers, MaxPlayers);
    rounds = std::clamp(rounds, MinRounds, MaxRounds);
    const int rowsBefore = playerRows();
    const int colsBefore = chart_.colCount();
    const int colsAfter = after.resultColumns(players, rounds) + ChartColumn::FirstResult;
    // A Swiss chart's counts never mark or clear own cells; a new type and a round robin do.
    const bool marks = type != type_ || !after.columnsAreRounds();
    LayoutLoss loss;
    for (int row = 1; row <= std::max(rowsBefore, players); ++row) {
        for (int col = ChartColumn::FirstResult; col < std::max(colsBefore, colsAfter); ++col) {
            const std::string_view text = chart_.cell(col, row);
            const bool shown = row <= rowsBefore && col < colsBefore;
            const bool stays = row <= players && col < colsAfter;
            if (text.empty() || (text == "X" && (!shown || before.isOwnCell(col, row))))
                continue; // an own mark, not a result
            if (shown && !stays)
                ++loss.hidden;
            else if (stays && marks && (after.isOwnCell(col, row) ? text != "X" : text == "X"))
                ++loss.overwritten;
        }
    }
    return loss;
}

bool Tournament::lineHoldsAnything(int row) const {
    const ChartRules& r = rules();
    for (int col = 1; col < chart_.colCount(); ++col) {
        const std::string_view text = chart_.cell(col, row);
        if (!text.empty() && !(text == "X" && r.isOwnCell(col, row)))
            return true;
    }
    return false;
}

int Tournament::linesHoldingAnythingFrom(int first) const {
    int lines = 0;
    for (int row = std::max(first, 1); row <= playerRows(); ++row)
        lines += lineHoldsAnything(row) ? 1 : 0;
    return lines;
}

} // namespace ranvik
