#include "document/ImportTrfWorkflow.h"

#include "document/ChartDocument.h"

#include "files/FileWriter.h"
#include "import/TrfImport.h"
#include "import/TrfReader.h"

namespace ranvik {

namespace {

ImportResult Failed(Message message) {
    ImportResult result;
    result.outcome = Outcome::Failed;
    result.message = std::move(message);
    return result;
}

} // namespace

ImportTrfWorkflow::ImportTrfWorkflow(ChartDocument& document, DocumentPrompts& prompts)
    : document_(document), prompts_(prompts) {}

ImportResult ImportTrfWorkflow::run() {
    ImportResult cancelled;
    cancelled.outcome = Outcome::Cancelled;
    if (!document_.mayClose())
        return cancelled;
    const std::optional<std::string> path = prompts_.chooseFileToOpen(FileKind::Trf);
    if (!path)
        return cancelled;

    ImportResult result;
    std::string bytes;
    if (Message unreadable; !ReadWholeFile(*path, bytes, unreadable, MaxTrfFileBytes)) {
        result = Failed(std::move(unreadable));
    } else if (const TrfImport imported = ImportTrf(bytes, TrfTypeChoice::Auto); !imported.ok) {
        result = Failed(Message(MessageKind::ImportCannot, {*path}).then(RefusalMessage(imported)));
    } else {
        {
            // One step: Undo brings the chart the import replaced back whole.
            const Tournament::Step step(document_.tournament(),
                                        Message(MessageKind::UndoImportTrf));
            FillTournament(imported, document_.tournament());
        }
        // A new event: its file and rating system are not the replaced chart's.
        document_.setFileName({});
        document_.setRatingSystem(std::nullopt);
        result.summary = ImportSummary(imported);
        prompts_.showInformation(result.summary);
        return result;
    }
    prompts_.showError(result.message);
    return result;
}

} // namespace ranvik
