#include "validation/Validation.h"

namespace ranvik {

namespace {
void DropTrailingUnnamedRows(Tournament& tournament) {
    Chart& chart = tournament.chart();
    while (chart.rowCount() - 1 > 1 &&
           chart.cell(ChartColumn::Name, chart.rowCount() - 1).empty()) {
        chart.setRowCount(chart.rowCount() - 1);
    }
}
} // namespace

ValidationResult Validate(Tournament& tournament, const InconsistencyPrompt& prompt) {
    DropTrailingUnnamedRows(tournament);
    tournament.setNumPlayers(tournament.playerRows());
    // A single remaining player leaves the count at its minimum of 2 without a change, so
    // the chart would hold fewer rows than the count (and the report header) says. Laying
    // it out again shows the second row, whose missing name is then reported.
    if (tournament.playerRows() != tournament.numPlayers())
        tournament.playersChanged();
    ChartValidator validator(tournament, prompt);
    return validator.scan();
}

} // namespace ranvik
