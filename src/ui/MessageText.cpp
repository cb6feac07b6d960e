#include "ui/MessageText.h"

#include "ui/CoreText.h"
#include "ui/QtText.h"

#include <QCoreApplication>

namespace ranvik {

// One case for each kind, so the compiler names a kind added in the core without its text
// here; a test holds each source to the core's English word for word.
const char* MessageSource(MessageKind kind) {
    switch (kind) {
    case MessageKind::None:
    case MessageKind::KindCount:
        return "";
    case MessageKind::Untranslated:
        return "%1";

    // Checking the chart.
    case MessageKind::InvalidResult:
        return QT_TRANSLATE_NOOP("Message",
                                 "Invalid result or opponent, or incorrect tournament type.");
    case MessageKind::MissingName:
        return QT_TRANSLATE_NOOP("Message", "Missing name.");
    case MessageKind::InvalidRating:
        return QT_TRANSLATE_NOOP("Message", "Invalid rating.");
    case MessageKind::PairedAgainstSelf:
        return QT_TRANSLATE_NOOP("Message", "Player paired against self.");
    case MessageKind::OwnCellNotX:
        return QT_TRANSLATE_NOOP("Message",
                                 "Entry must be \"X\" here for round robin tournament type.");
    case MessageKind::InconsistentOpponents:
        return QT_TRANSLATE_NOOP("Message", "Inconsistent opponents.");
    case MessageKind::InconsistentResults:
        return QT_TRANSLATE_NOOP("Message", "Inconsistent results.");

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

QString MessageText(const Message& message) {
    if (message.kind() == MessageKind::Untranslated && message.parts().empty())
        return CoreText(*message.arguments().front().text());
    return ToQString(RenderMessage(message, [](MessageKind kind) {
        const char* source = MessageSource(kind);
        return *source ? QCoreApplication::translate("Message", source).toStdString()
                       : std::string();
    }));
}

} // namespace ranvik
