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
    case MessageKind::DatabaseNameMissing:
        return "Name of database file (*.mdb) not specified.";
    case MessageKind::DatabaseNotFound:
        return "Database file %1 not found.";
    case MessageKind::DatabaseIsFolder:
        return "The database file %1 is a folder, not a file.";
    case MessageKind::DatabaseNotRegularFile:
        return "The database file %1 is not a regular file (a FIFO, device or socket).";
    case MessageKind::DatabaseUnreadable:
        return "The database file %1 cannot be read.";
    case MessageKind::DatabaseFormatUnknown:
        return "The file %1 is neither an Access nor an SQLite database.";
    case MessageKind::AccessCannotOpen:
        return "The Access database %1 cannot be opened.";
    case MessageKind::AccessTableListDamaged:
        return "The Access database %1 is damaged: its list of tables cannot be read.";
    case MessageKind::AccessDamaged:
        return "The Access database %1 is damaged: %2";
    case MessageKind::AccessReaderFailed:
        return "The Access database %1 cannot be read: %2.";
    case MessageKind::SqliteCannotOpen:
        return "The SQLite database %1 cannot be opened: %2";
    case MessageKind::SqliteReaderFailed:
        return "The SQLite database %1 cannot be read: %2.";
    case MessageKind::SqliteUnmergedLog:
        return "The SQLite database %1 has changes in %2-wal that are not yet in the file itself; "
               "close the program that writes it, then try again.";
    case MessageKind::DatabaseHoldsNoTable:
        return "The database holds no table.";
    case MessageKind::DatabaseHasNoTable:
        return "The database has no table %1.";
    case MessageKind::TableUnreadable:
        return "The table %1 in %2 cannot be read.";
    case MessageKind::TableUnreadableBecause:
        return "The table %1 in %2 cannot be read: %3";
    case MessageKind::TableRowUnreadable:
        return "row %1 of the table %2 cannot be read.";
    case MessageKind::TableRowsMissing:
        return "the table %1 declares %2 rows, but %3 can be read.";
    case MessageKind::TableRowWrongWidth:
        return "The table %1 has a row of the wrong width.";
    case MessageKind::MembershipFieldMissing:
        return "The membership table %1 has no field %2.";
    case MessageKind::TableTooManyRows:
        return "it has more than %1 rows; no membership list is that long.";
    case MessageKind::TableTooManyValues:
        return "it holds more than %1 values (rows times fields); no membership list is that "
               "large.";
    case MessageKind::ReaderDataTooLarge:
        return "too much data to hand over";
    case MessageKind::ReaderDataDamaged:
        return "the table data is damaged";
    case MessageKind::ReaderRowsWithoutFields:
        return "a table without fields cannot hold rows";
    case MessageKind::ReaderRowWrongWidth:
        return "a row does not match the table's fields";
    case MessageKind::ReaderAnswerDamaged:
        return "the reader's answer is damaged";

        // Loading and matching players.
    case MessageKind::LoadNoDatabase:
        return "You must first open a database to load from.";
    case MessageKind::MemberNotLoadable:
        return "The member cannot be loaded: %1.";
    case MessageKind::MemberValueControlCharacter:
        return "the member's %1 holds a control character (%2)";
    case MessageKind::MemberValueTooLong:
        return "the member's %1 holds %2 characters; a chart cell holds at most %3";
    case MessageKind::DuplicateMemberNumber:
        return "Duplicate QRB number.";
    case MessageKind::MatchNoDatabase:
        return "You must first open a database to match players with.";
    case MessageKind::MatchNothingToDo:
        return "Every player named in the chart has a membership number.";
    case MessageKind::PlayersMatched:
        return "Players matched with the database: %1.";
    case MessageKind::PlayersMatchedPicked:
        return "Players matched with the database: %1 (%2 picked by you).";
    case MessageKind::MatchLeftAlone:
        return "Left as they were: %1.";
    case MessageKind::MatchRespelled:
        return "Written in the nearest spelling a chart file can hold: %1.";
    case MessageKind::MatchControlsAsSpaces:
        return "Control characters in the name written as spaces: %1.";
    case MessageKind::MatchRefused:
        return "Not written, a value of the member cannot go into a chart cell: %1.";
    case MessageKind::MatchOneLine:
        return "line %1";
    case MessageKind::MatchLines:
        return "lines %1";

        // Importing a FIDE tournament report.

        // The standings.
    }
    return "";
}

} // namespace ranvik
