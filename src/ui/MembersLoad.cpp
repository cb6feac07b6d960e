// Loading the database view's current player into the chart.

#include "ui/MainWindow.h"

#include "ui/ChartView.h"
#include "ui/DatabaseView.h"
#include "ui/MembersModel.h"
#include "ui/MsgDlg.h"
#include "ui/Prompts.h"

#include "chart/ResultNotation.h"
#include "members/PlayerValues.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace ranvik {

namespace {

struct LoadedPlayer {
    std::string name;
    std::string number;
    std::string rating; // as it goes into the chart
};

// The current record's values. Every field is looked up before anything is read, so a
// table lacking one throws (naming it) before the chart is touched. An empty table gives
// empty values.
LoadedPlayer CurrentPlayer(const MemberTable& table, const MemberOrdering& ordering,
                           const std::string& ratingField) {
    const std::size_t numberField = table.field("NUMBER");
    const std::size_t nameField = table.field("NAME");
    const std::size_t rating = table.field(ratingField);
    LoadedPlayer player;
    player.rating = RatingForChart(std::nullopt);
    if (const auto row = ordering.currentRow()) {
        player.number = table.value(*row, numberField).value_or("");
        player.name = table.value(*row, nameField).value_or("");
        player.rating = RatingForChart(table.value(*row, rating));
    }
    return player;
}

// Only a well-formed number can be a duplicate; the selected row counts too.
bool NumberInChart(const Chart& chart, const std::string& number) {
    if (!IsValidMemberNumber(number))
        return false;
    for (int row = 1; row < chart.rowCount(); ++row) {
        if (chart.cell(2, row) == number)
            return true;
    }
    return false;
}

// Adds a player row at the bottom, keeping the players count in step. False (with a
// message) when the chart is full.
bool AddChartRow(TForm1& form) {
    Tournament& tournament = form.tournament();
    if (tournament.numPlayers() >= Tournament::MaxPlayers) {
        prompts::showError(
            &form,
            QStringLiteral("The chart already holds %1 players.").arg(Tournament::MaxPlayers));
        return false;
    }
    tournament.setNumPlayers(tournament.numPlayers() + 1);
    return true;
}

// Moves rows `from` to the one before the last down by one (all cells but the row number,
// the last row's overwritten) and empties row `from`.
void OpenRowAt(Chart& chart, int from) {
    const int last = chart.rowCount() - 1;
    const int lastCol = chart.colCount() - 1;
    for (int row = last; row > from; --row) {
        for (int col = 1; col <= lastCol; ++col)
            chart.setCellQuietly(col, row, chart.cell(col, row - 1));
    }
    for (int col = 1; col <= lastCol; ++col)
        chart.setCellQuietly(col, from, "");
    chart.notifyCellsChanged(1, from, lastCol, last);
}

// The first row from `from` down whose name is empty; a new bottom row when none is.
std::optional<int> AppendRow(TForm1& form, int from) {
    const Chart& chart = form.tournament().chart();
    for (int row = from; row < chart.rowCount(); ++row) {
        if (chart.cell(1, row).empty())
            return row;
    }
    if (!AddChartRow(form))
        return std::nullopt;
    return chart.rowCount() - 1;
}

std::optional<int> InsertRow(TForm1& form, int at) {
    Chart& chart = form.tournament().chart();
    if (!chart.cell(1, chart.rowCount() - 1).empty() && !AddChartRow(form))
        return std::nullopt;
    OpenRowAt(chart, at);
    return at;
}

// The row the player goes into: the selected one when its name is empty, otherwise as the
// user answers. Nothing when the user cancels or no row can be added.
std::optional<int> TargetRow(TForm1& form) {
    const int selected = form.StringGrid1->currentRow();
    if (form.tournament().chart().cell(1, selected).empty())
        return selected;
    form.MsgDlg->SetCaptions(QStringLiteral("Selected chart row is not empty.\rYou can append this "
                                            "entry to the bottom of the chart or insert it."),
                             QStringLiteral("&Overwrite"), QStringLiteral("&Append"),
                             QStringLiteral("&Insert"), QStringLiteral("&Cancel"));
    switch (form.MsgDlg->ask()) {
    case 1:
        return selected;
    case 2:
        return AppendRow(form, selected);
    case 3:
        return InsertRow(form, selected);
    default:
        return std::nullopt;
    }
}

} // namespace

void TForm1::LoadFromDatabaseBtnClick() {
    AskRatingFieldIfEmpty();
    const MembersModel* model = db_->model;
    if (!model->ordering()) {
        prompts::showError(this, QStringLiteral("You must first open a database to load from."));
        return;
    }
    LoadedPlayer player;
    try {
        player = CurrentPlayer(*model->table(), *model->ordering(), RatingField.toStdString());
    } catch (const std::runtime_error& e) {
        prompts::showError(this, QString::fromStdString(e.what()));
        return;
    }
    if (NumberInChart(tournament_.chart(), player.number) &&
        prompts::warn(this, QStringLiteral("Duplicate QRB number."),
                      QMessageBox::Cancel | QMessageBox::Ignore) != QMessageBox::Ignore) {
        return;
    }
    // Set before the row question: a cancelled load still counts as a change.
    tournament_.setModified(true);
    const std::optional<int> target = TargetRow(*this);
    if (!target)
        return;

    Chart& chart = tournament_.chart();
    chart.setCell(1, *target, player.name);
    chart.setCell(2, *target, player.number);
    chart.setCell(3, *target, player.rating);
    // The next load goes below; moving the selection runs the opponent update as leaving a
    // cell does.
    if (*target != chart.rowCount() - 1)
        StringGrid1->setCurrentCell(StringGrid1->currentCol(), *target + 1);
}

} // namespace ranvik
