#include "document/ChartDocument.h"
#include "document/Cancelled.h"
#include "document/StandingsExport.h"

#include "chart/TabSeparated.h"
#include "files/ChartText.h"
#include "files/FileNames.h"
#include "files/FileWriter.h"
#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(platform::PathFromUtf8(path), error);
}

} // namespace

ChartDocument::ChartDocument(DocumentPrompts& prompts) : prompts_(prompts) {}

void ChartDocument::start() {
    tournament_.setModified(false);
    ratingSystem_.reset();
    tournament_.layOutStartChart();
}

std::optional<RatingSystem> ChartDocument::ensureRatingSystem() {
    if (!ratingSystem_)
        ratingSystem_ = prompts_.askRatingSystem();
    return ratingSystem_;
}

bool ChartDocument::saveBeforeGoingOn() {
    return save().outcome == Outcome::Done;
}

bool ChartDocument::mayReplaceChart(const Message& question) {
    if (!isModified())
        return true;
    switch (prompts_.askSaveChanges(question)) {
    case SaveChangesAnswer::Discard:
        return true;
    case SaveChangesAnswer::Cancel:
        return false;
    case SaveChangesAnswer::Save:
        // A save that did not happen keeps the chart: going on would lose the very changes
        // the user wanted kept.
        return saveBeforeGoingOn();
    }
    return false;
}

Outcome ChartDocument::newChart() {
    if (!mayReplaceChart(Message(MessageKind::SaveChangesToTournament)))
        return Outcome::Cancelled;
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
    const std::optional<std::string> path = prompts_.chooseFileToOpen(FileKind::Chart);
    if (!path)
        return Cancelled();
    return openChosen(*path);
}

// The file is read before the type question, which proposes the type its shape suggests;
// the chart in hand changes only once every question is answered and the file is known good.
OpenResult ChartDocument::openChosen(const std::string& path) {
    if (!mayOpenHeldChart(path))
        return Cancelled();
    std::string bytes;
    Message error;
    if (!ReadWholeFile(path, bytes, error, MaxChartFileBytes)) {
        prompts_.showError(error);
        return {Outcome::Failed, error, error, true};
    }
    const std::optional<TournamentType> type =
        prompts_.askTournamentType(SuggestedChartType(bytes));
    if (!type || !mayReplaceChart(Message(MessageKind::SaveChangesToChart)))
        return Cancelled();
    OpenResult result = readChart(path, bytes, *type);
    if (result.outcome == Outcome::Failed)
        prompts_.showError(result.message);
    return result;
}

OpenResult ChartDocument::openFile(const std::string& path, TournamentType type) {
    std::string bytes;
    Message error;
    if (!ReadWholeFile(path, bytes, error, MaxChartFileBytes))
        return {Outcome::Failed, error, error, true};
    return readChart(path, bytes, type);
}

OpenResult ChartDocument::readChart(const std::string& path, std::string_view bytes,
                                    TournamentType type) {
    const ChartReadOutcome read = ReadChartFileAs(tournament_, bytes, type);
    if (!read.ok)
        return {Outcome::Failed, Message(MessageKind::CannotOpen, {path, read.message}),
                read.message, false};
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
    return saveTo(path);
}

bool ChartDocument::mayReplaceCompletedName(const std::string& chosen, const std::string& path) {
    return path == chosen || !FileExists(path) ||
           prompts_.confirmReplace(Message(MessageKind::FileAlreadyExists, {path})
                                       .then(Message(MessageKind::ReplaceIt)));
}

SaveResult ChartDocument::saveTo(const std::string& path) {
    SaveResult result = writeChart(path, EncodeChartFile(tournament_.chart()));
    if (result.outcome == Outcome::Done)
        savedAs(path);
    return result;
}

void ChartDocument::savedAs(const std::string& path) {
    fileName_ = path;
    tournament_.setModified(false);
    changesSettled();
}

SaveResult ChartDocument::writeChart(const std::string& path, const ChartBytes& content) {
    SaveResult result;
    result.path = path;
    if (!content.ok) {
        result = {Outcome::Failed, path, SavingError(path, content.message), content.message, true};
        prompts_.showCell(content.col, content.row);
    } else if (Message reason; !WriteFileSafely(path, content.bytes, reason)) {
        result = {Outcome::Failed, path, SavingError(path, reason), reason, false};
    }
    if (result.outcome == Outcome::Failed)
        prompts_.showError(result.message);
    return result;
}

bool ChartDocument::isOwnFile(const std::string& path) const {
    std::error_code error;
    return !fileName_.empty() && std::filesystem::equivalent(platform::PathFromUtf8(fileName_),
                                                             platform::PathFromUtf8(path), error);
}

bool ChartDocument::addRow() {
    if (tournament_.numPlayers() >= Tournament::MaxPlayers) {
        prompts_.showError(Message(MessageKind::ChartFull, {Tournament::MaxPlayers}));
        return false;
    }
    tournament_.setNumPlayers(tournament_.numPlayers() + 1);
    return true;
}

bool ChartDocument::mayClose() {
    return mayReplaceChart(Message(MessageKind::SaveChangesToChart));
}

ValidationResult ChartDocument::validate() {
    return Validate(tournament_,
                    [this](const Message& message) { return prompts_.askInconsistency(message); });
}

Outcome ChartDocument::clearAllResults() {
    if (!prompts_.confirm(Message(MessageKind::ClearAllResultsQuestion)))
        return Outcome::Cancelled;
    tournament_.clearAllResults();
    return Outcome::Done;
}

// The results that name the line are its games' other halves: they go with it.
Outcome ChartDocument::deleteRow(int row) {
    if (row < 1 || row > tournament_.playerRows())
        return Outcome::Cancelled;
    const int naming = tournament_.resultsNaming(row);
    Message question(MessageKind::DeleteLineQuestion, {row});
    if (naming == 1)
        question.then(Message(MessageKind::DeleteLineClearsResult));
    if (naming > 1)
        question.then(Message(MessageKind::DeleteLineClearsResults, {naming}));
    if ((naming > 0 || tournament_.lineHoldsAnything(row)) && !prompts_.confirm(question))
        return Outcome::Cancelled;
    tournament_.deleteRow(row);
    return Outcome::Done;
}

Outcome ChartDocument::insertRowAbove(int row) {
    if (row < 1 || row > tournament_.playerRows())
        return Outcome::Cancelled;
    const Tournament::Step step(tournament_, Message(MessageKind::UndoInsertRow));
    if (tournament_.lineHoldsAnything(tournament_.playerRows()) && !addRow())
        return Outcome::Failed;
    tournament_.openRowAt(row);
    return Outcome::Done;
}

Outcome ChartDocument::paste(int col, int row, std::string_view text) {
    // The widest chart: a double round robin of the most players.
    constexpr PasteBounds bounds{Tournament::MaxPlayers,
                                 ChartColumn::FirstResult + 2 * Tournament::MaxPlayers};
    PastedBlock pasted = ReadPastedBlock(text, bounds);
    if (!pasted.fault.empty()) {
        prompts_.showError(Message(MessageKind::NothingPasted, {std::move(pasted.fault)}));
        return Outcome::Failed;
    }
    const std::vector<std::vector<std::string>>& block = pasted.rows;
    if (block.empty() || col < 1 || row < 1)
        return Outcome::Cancelled;
    const int lastRow = row + static_cast<int>(block.size()) - 1;
    if (lastRow > Tournament::MaxPlayers) {
        prompts_.showError(
            Message(MessageKind::PasteBeyondLastLine, {lastRow, Tournament::MaxPlayers}));
        return Outcome::Failed;
    }
    const Tournament::Step step(tournament_, Message(MessageKind::UndoPaste));
    if (lastRow > tournament_.numPlayers())
        tournament_.setNumPlayers(lastRow);
    tournament_.pasteBlock(col, row, block);
    return Outcome::Done;
}

std::string ChartDocument::copyCells(int col0, int row0, int col1, int row1) const {
    return TabSeparatedCells(tournament_.chart(), col0, row0, col1, row1);
}

std::string ChartDocument::cutCells(int col0, int row0, int col1, int row1) {
    std::string text = copyCells(col0, row0, col1, row1);
    std::vector<CellAt> cells;
    for (int row = row0; row <= row1; ++row) {
        for (int col = col0; col <= col1; ++col)
            cells.push_back({col, row});
    }
    const Tournament::Step step(tournament_, Message(MessageKind::UndoCut));
    tournament_.clearCells(cells);
    return text;
}

bool ChartDocument::validateForStandings() {
    return StandingsExport(*this, prompts_).validate();
}

SaveResult ChartDocument::writeStandings(const std::string& path, const std::string& bytes) {
    return StandingsExport(*this, prompts_).write(path, bytes);
}

bool ChartDocument::sortByRating() {
    if (tournament_.sortByRating())
        return true;
    prompts_.showError(Message(MessageKind::RoundRobinNotSorted));
    return false;
}

} // namespace ranvik
