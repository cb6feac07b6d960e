#include "document/ChartDocument.h"

#include "files/ChartText.h"
#include "files/FileNames.h"
#include "files/FileWriter.h"

#include <filesystem>
#include <system_error>

namespace ranvik {

namespace {

// A result that says only that the user stopped the command.
struct Cancelled {
    template <class Result> operator Result() const {
        Result result;
        result.outcome = Outcome::Cancelled;
        return result;
    }
};

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
    tournament_.clearAllCells();
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
    if (path != *chosen && FileExists(path) &&
        !prompts_.confirmReplace(path + " already exists.\rDo you want to replace it?")) {
        return Cancelled();
    }
    fileName_ = path;
    return saveTo(path);
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

void ChartDocument::deleteRow(int row) {
    tournament_.deleteRow(row);
}

bool ChartDocument::sortByRating() {
    if (tournament_.sortByRating())
        return true;
    prompts_.showError("Sorry. Resorting of round robin grids is not allowed.");
    return false;
}

} // namespace ranvik
