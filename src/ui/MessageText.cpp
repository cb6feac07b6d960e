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
    case MessageKind::DatabaseNameMissing:
        return QT_TRANSLATE_NOOP("Message", "Name of database file (*.mdb) not specified.");
    case MessageKind::DatabaseNotFound:
        return QT_TRANSLATE_NOOP("Message", "Database file %1 not found.");
    case MessageKind::DatabaseIsFolder:
        return QT_TRANSLATE_NOOP("Message", "The database file %1 is a folder, not a file.");
    case MessageKind::DatabaseNotRegularFile:
        return QT_TRANSLATE_NOOP(
            "Message", "The database file %1 is not a regular file (a FIFO, device or socket).");
    case MessageKind::DatabaseUnreadable:
        return QT_TRANSLATE_NOOP("Message", "The database file %1 cannot be read.");
    case MessageKind::DatabaseFormatUnknown:
        return QT_TRANSLATE_NOOP("Message",
                                 "The file %1 is neither an Access nor an SQLite database.");
    case MessageKind::AccessCannotOpen:
        return QT_TRANSLATE_NOOP("Message", "The Access database %1 cannot be opened.");
    case MessageKind::AccessTableListDamaged:
        return QT_TRANSLATE_NOOP(
            "Message", "The Access database %1 is damaged: its list of tables cannot be read.");
    case MessageKind::AccessDamaged:
        return QT_TRANSLATE_NOOP("Message", "The Access database %1 is damaged: %2");
    case MessageKind::AccessReaderFailed:
        return QT_TRANSLATE_NOOP("Message", "The Access database %1 cannot be read: %2.");
    case MessageKind::SqliteCannotOpen:
        return QT_TRANSLATE_NOOP("Message", "The SQLite database %1 cannot be opened: %2");
    case MessageKind::SqliteReaderFailed:
        return QT_TRANSLATE_NOOP("Message", "The SQLite database %1 cannot be read: %2.");
    case MessageKind::SqliteUnmergedLog:
        return QT_TRANSLATE_NOOP(
            "Message", "The SQLite database %1 has changes in %2-wal that are not yet in the file "
                       "itself; close the program that writes it, then try again.");
    case MessageKind::DatabaseHoldsNoTable:
        return QT_TRANSLATE_NOOP("Message", "The database holds no table.");
    case MessageKind::DatabaseHasNoTable:
        return QT_TRANSLATE_NOOP("Message", "The database has no table %1.");
    case MessageKind::TableUnreadable:
        return QT_TRANSLATE_NOOP("Message", "The table %1 in %2 cannot be read.");
    case MessageKind::TableUnreadableBecause:
        return QT_TRANSLATE_NOOP("Message", "The table %1 in %2 cannot be read: %3");
    case MessageKind::TableRowUnreadable:
        return QT_TRANSLATE_NOOP("Message", "row %1 of the table %2 cannot be read.");
    case MessageKind::TableRowsMissing:
        return QT_TRANSLATE_NOOP("Message", "the table %1 declares %2 rows, but %3 can be read.");
    case MessageKind::TableRowWrongWidth:
        return QT_TRANSLATE_NOOP("Message", "The table %1 has a row of the wrong width.");
    case MessageKind::MembershipFieldMissing:
        return QT_TRANSLATE_NOOP("Message", "The membership table %1 has no field %2.");
    case MessageKind::TableTooManyRows:
        return QT_TRANSLATE_NOOP("Message",
                                 "it has more than %1 rows; no membership list is that long.");
    case MessageKind::TableTooManyValues:
        return QT_TRANSLATE_NOOP(
            "Message",
            "it holds more than %1 values (rows times fields); no membership list is that large.");
    case MessageKind::ReaderDataTooLarge:
        return QT_TRANSLATE_NOOP("Message", "too much data to hand over");
    case MessageKind::ReaderDataDamaged:
        return QT_TRANSLATE_NOOP("Message", "the table data is damaged");
    case MessageKind::ReaderRowsWithoutFields:
        return QT_TRANSLATE_NOOP("Message", "a table without fields cannot hold rows");
    case MessageKind::ReaderRowWrongWidth:
        return QT_TRANSLATE_NOOP("Message", "a row does not match the table's fields");
    case MessageKind::ReaderAnswerDamaged:
        return QT_TRANSLATE_NOOP("Message", "the reader's answer is damaged");

        // Loading and matching players.
    case MessageKind::LoadNoDatabase:
        return QT_TRANSLATE_NOOP("Message", "You must first open a database to load from.");
    case MessageKind::MemberNotLoadable:
        return QT_TRANSLATE_NOOP("Message", "The member cannot be loaded: %1.");
    case MessageKind::MemberValueControlCharacter:
        return QT_TRANSLATE_NOOP("Message", "the member's %1 holds a control character (%2)");
    case MessageKind::MemberValueTooLong:
        return QT_TRANSLATE_NOOP(
            "Message", "the member's %1 holds %2 characters; a chart cell holds at most %3");
    case MessageKind::DuplicateMemberNumber:
        return QT_TRANSLATE_NOOP("Message", "Duplicate QRB number.");
    case MessageKind::MatchNoDatabase:
        return QT_TRANSLATE_NOOP("Message",
                                 "You must first open a database to match players with.");
    case MessageKind::MatchNothingToDo:
        return QT_TRANSLATE_NOOP("Message",
                                 "Every player named in the chart has a membership number.");
    case MessageKind::PlayersMatched:
        return QT_TRANSLATE_NOOP("Message", "Players matched with the database: %1.");
    case MessageKind::PlayersMatchedPicked:
        return QT_TRANSLATE_NOOP("Message",
                                 "Players matched with the database: %1 (%2 picked by you).");
    case MessageKind::MatchLeftAlone:
        return QT_TRANSLATE_NOOP("Message", "Left as they were: %1.");
    case MessageKind::MatchRespelled:
        return QT_TRANSLATE_NOOP("Message",
                                 "Written in the nearest spelling a chart file can hold: %1.");
    case MessageKind::MatchControlsAsSpaces:
        return QT_TRANSLATE_NOOP("Message",
                                 "Control characters in the name written as spaces: %1.");
    case MessageKind::MatchRefused:
        return QT_TRANSLATE_NOOP(
            "Message", "Not written, a value of the member cannot go into a chart cell: %1.");
    case MessageKind::MatchOneLine:
        return QT_TRANSLATE_NOOP("Message", "line %1");
    case MessageKind::MatchLines:
        return QT_TRANSLATE_NOOP("Message", "lines %1");

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
