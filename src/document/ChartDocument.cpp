#include "document/ChartDocument.h"
#include "document/Cancelled.h"

#include "chart/TabSeparated.h"
#include "files/ChartText.h"
#include "files/FileNames.h"
#include "files/FileWriter.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

ChartDocument::ChartDocument(DocumentPrompts& prompts) : prompts_(prompts) {}

void ChartDocument::start() {
    tournament_.setModified(false);
    ratingSystem_.reset();
    tournament_.layOutStartChart();
}

RatingSystem ChartDocument::ensureRatingSystem() {
    if (!ratingSystem_)
        ratingSystem_ = prompts_.askRatingSystem();
    return *ratingSystem_;
}

bool ChartDocument::saveBeforeGoingOn() {
    return save().outcome == Outcome::Done;
}

Outcome ChartDocument::newChart() {
    if (isModified() &&
        prompts_.askSaveChanges("Save changes to this tournament?", false) ==
            SaveChangesAnswer::Save &&
        !saveBeforeGoingOn()) {
        // Having asked for the save, emptying the chart after it did not happen would lose
        // the very changes the user wanted kept.
        return Outcome::Cancelled;
    }
    ratingSystem_.reset();
    {
        // Undo goes no further back than the fresh chart: its emptied cells are not kept.
        const ChartHistory::Paused unrecorded(tournament_.chart().history());
        tournament_.clearAllCells();
    }
    tournament_.forgetHistory();
    // A new chart is no longer the file the old one came from: Save asks for a name.
    fileName_.clear();
    changesSettled();
    return Outcome::Done;
}

OpenResult ChartDocument::open() {
    if (isModified()) {
        const SaveChangesAnswer answer =
            prompts_.askSaveChanges("Save changes to this chart?", true);
        if (answer == SaveChangesAnswer::Cancel)
            return Cancelled();
        if (answer == SaveChangesAnswer::Save && !saveBeforeGoingOn())
            return Cancelled();
    }
    const std::optional<TournamentType> type = prompts_.askTournamentType();
    if (!type)
        return Cancelled();
    tournament_.setType(*type);
    const std::optional<std::string> path = prompts_.chooseFileToOpen(FileKind::Chart);
    if (!path || !mayOpenHeldChart(*path))
        return Cancelled();
    OpenResult result = openFile(*path, *type);
    if (result.outcome == Outcome::Failed)
        prompts_.showError(result.message);
    return result;
}

OpenResult ChartDocument::openChosen(const std::string& path) {
    if (!mayOpenHeldChart(path))
        return Cancelled();
    const std::optional<TournamentType> type = prompts_.askTournamentType();
    if (!type)
        return Cancelled();
    OpenResult result = openFile(path, *type);
    if (result.outcome == Outcome::Failed)
        prompts_.showError(result.message);
    return result;
}

OpenResult ChartDocument::openFile(const std::string& path, TournamentType type) {
    tournament_.setType(type);
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error, MaxChartFileBytes))
        return {Outcome::Failed, error, error, true};
    const ChartReadOutcome read = ReadChartFile(tournament_, bytes);
    if (!read.ok)
        return {Outcome::Failed, "Cannot open " + path + ": " + read.message, read.message, false};
    fileName_ = path;
    tournament_.forgetHistory();
    changesSettled();
    return {};
}

SaveResult ChartDocument::save() {
    if (!fileName_.empty())
        return saveTo(fileName_);
    return saveAs();
}

SaveResult ChartDocument::saveAs() {
    const std::optional<std::string> chosen = prompts_.chooseFileToSave(FileKind::Chart, "");
    if (!chosen)
        return Cancelled();
    const std::string path = ChartPathFor(*chosen);
    if (!mayReplaceCompletedName(*chosen, path))
        return Cancelled();
    fileName_ = path;
    return saveTo(path);
}

bool ChartDocument::mayReplaceCompletedName(const std::string& chosen, const std::string& path) {
    return path == chosen || !FileExists(path) ||
           prompts_.confirmReplace(path + " already exists.\rDo you want to replace it?");
}

SaveResult ChartDocument::saveTo(const std::string& path) {
    return writeChart(path, EncodeChartFile(tournament_.chart()));
}

SaveResult ChartDocument::writeChart(const std::string& path, const ChartBytes& content) {
    SaveResult result;
    result.path = path;
    if (!content.ok) {
        result = {Outcome::Failed, path, "Error saving " + path + ".\r" + content.message,
                  content.message, true};
    } else if (std::string reason; !WriteFileSafely(path, content.bytes, reason)) {
        result = {Outcome::Failed, path, "Error saving " + path + ".\r" + reason, reason, false};
    }
    if (result.outcome == Outcome::Failed) {
        prompts_.showError(result.message);
        return result;
    }
    tournament_.setModified(false);
    changesSettled();
    return result;
}

bool ChartDocument::mayClose() {
    if (!isModified())
        return true;
    switch (prompts_.askSaveChanges("Save changes to this chart?", true)) {
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        return false;
    case SaveChangesAnswer::Save:
        // A failed write keeps the document open too: closing would lose the changes.
        return saveBeforeGoingOn();
    }
    return false;
}

ValidationResult ChartDocument::validate() {
    return Validate(tournament_, [this](const std::string& message) {
        return prompts_.askInconsistency(message);
    });
}

Outcome ChartDocument::clearAllResults() {
    if (!prompts_.confirm("This will clear all rounds entered so far. Proceed?"))
        return Outcome::Cancelled;
    tournament_.clearAllResults();
    return Outcome::Done;
}

namespace {

bool RowHoldsAnything(const Tournament& tournament, int row) {
    const Chart& chart = tournament.chart();
    for (int col = 1; col < chart.colCount(); ++col) {
        const std::string_view text = chart.cell(col, row);
        if (!text.empty() && !(text == "X" && !tournament.isSwiss()))
            return true;
    }
    return false;
}

} // namespace

Outcome ChartDocument::deleteRow(int row) {
    if (row < 1 || row > tournament_.playerRows())
        return Outcome::Cancelled;
    if (RowHoldsAnything(tournament_, row) &&
        !prompts_.confirm("Delete line " + std::to_string(row) + " and everything in it?"))
        return Outcome::Cancelled;
    tournament_.deleteRow(row);
    return Outcome::Done;
}

Outcome ChartDocument::insertRowAbove(int row) {
    if (row < 1 || row > tournament_.playerRows())
        return Outcome::Cancelled;
    const Tournament::Step step(tournament_, "Insert row");
    if (RowHoldsAnything(tournament_, tournament_.playerRows()) && !addRow())
        return Outcome::Failed;
    tournament_.openRowAt(row);
    return Outcome::Done;
}

Outcome ChartDocument::paste(int col, int row, std::string_view text) {
    const std::vector<std::vector<std::string>> block = ParseTabSeparated(text);
    if (block.empty() || col < 1 || row < 1)
        return Outcome::Cancelled;
    const int lastRow = row + static_cast<int>(block.size()) - 1;
    if (lastRow > Tournament::MaxPlayers) {
        prompts_.showError("The pasted lines would reach line " + std::to_string(lastRow) +
                           "; a chart holds at most " + std::to_string(Tournament::MaxPlayers) +
                           " players. Nothing was pasted.");
        return Outcome::Failed;
    }
    const Tournament::Step step(tournament_, "Paste");
    if (lastRow > tournament_.numPlayers())
        tournament_.setNumPlayers(lastRow);
    tournament_.writeBlock(col, row, block);
    return Outcome::Done;
}

std::string ChartDocument::copyCells(int col0, int row0, int col1, int row1) const {
    return TabSeparatedCells(tournament_.chart(), col0, row0, col1, row1);
}

std::string ChartDocument::cutCells(int col0, int row0, int col1, int row1) {
    std::string text = copyCells(col0, row0, col1, row1);
    std::vector<std::pair<int, int>> cells;
    for (int row = row0; row <= row1; ++row) {
        for (int col = col0; col <= col1; ++col)
            cells.emplace_back(col, row);
    }
    const Tournament::Step step(tournament_, "Cut");
    tournament_.clearCells(cells);
    return text;
}

bool ChartDocument::sortByRating() {
    if (tournament_.sortByRating())
        return true;
    prompts_.showError("Sorry. Resorting of round robin grids is not allowed.");
    return false;
}

} // namespace ranvik
