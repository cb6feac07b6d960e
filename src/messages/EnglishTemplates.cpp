#include "messages/Message.h"

namespace ranvik {

std::string_view EnglishTemplate(MessageKind kind) {
    switch (kind) {
    case MessageKind::None:
    case MessageKind::KindCount:
        return "";
    case MessageKind::Untranslated:
        return "%1";

    // Checking the chart.
    case MessageKind::InvalidResult:
        return "Invalid result or opponent, or incorrect tournament type.";
    case MessageKind::MissingName:
        return "Missing name.";
    case MessageKind::InvalidRating:
        return "Invalid rating.";
    case MessageKind::PairedAgainstSelf:
        return "Player paired against self.";
    case MessageKind::OwnCellNotX:
        return "Entry must be \"X\" here for round robin tournament type.";
    case MessageKind::InconsistentOpponents:
        return "Inconsistent opponents.";
    case MessageKind::InconsistentResults:
        return "Inconsistent results.";

        // Editing the chart: questions, refusals and the steps Undo names.

        // Chart files, file names and writing files.

        // The document's questions and refusals.

    // Tournament information and the report.

        // The settings file and recovery copies.

        // The membership database.

        // Loading and matching players.

        // Importing a FIDE tournament report.

        // The standings.
    }
    return "";
}

} // namespace ranvik
