// Importing a pairing program's tournament report file in place of the chart.

#include "document/ChartDocument.h"

#include "files/FileWriter.h"
#include "import/TrfImport.h"
#include "import/TrfReader.h"

namespace ranvik {

namespace {

ImportResult Failed(std::string message) {
    ImportResult result;
    result.outcome = Outcome::Failed;
    result.message = std::move(message);
    return result;
}

} // namespace

ImportResult ChartDocument::importTrf() {
    ImportResult cancelled;
    cancelled.outcome = Outcome::Cancelled;
    if (!mayClose())
        return cancelled;
    const std::optional<std::string> path = prompts_.chooseFileToOpen(FileKind::Trf);
    if (!path)
        return cancelled;

    ImportResult result;
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(*path, bytes, error, MaxTrfFileBytes)) {
        result = Failed(error);
    } else if (const TrfImport imported = ImportTrf(bytes, TrfTypeChoice::Auto); !imported.ok) {
        result = Failed("Cannot import " + *path + ":\r" + RefusalText(imported));
    } else {
        {
            // One step: Undo brings the chart the import replaced back whole.
            const Tournament::Step step(tournament_, "Import TRF");
            FillTournament(imported, tournament_);
        }
        // A new event: its file and rating system are not the replaced chart's.
        fileName_.clear();
        ratingSystem_.reset();
        result.summary = ImportSummary(imported);
        prompts_.showInformation(result.summary);
        return result;
    }
    prompts_.showError(result.message);
    return result;
}

} // namespace ranvik
