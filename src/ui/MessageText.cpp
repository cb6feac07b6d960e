#include "ui/MessageText.h"

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
    case MessageKind::CellPlace:
        return QT_TRANSLATE_NOOP("Message", "Line %1, %2");
    case MessageKind::ColumnName:
        return QT_TRANSLATE_NOOP("Message", "name");
    case MessageKind::ColumnMemberNumber:
        return QT_TRANSLATE_NOOP("Message", "membership number");
    case MessageKind::ColumnRating:
        return QT_TRANSLATE_NOOP("Message", "rating");
    case MessageKind::ColumnRound:
        return QT_TRANSLATE_NOOP("Message", "Rd %1");
    case MessageKind::ColumnOpponent:
        return QT_TRANSLATE_NOOP("Message", "player %1");
    case MessageKind::FaultAtCell:
        return QT_TRANSLATE_NOOP("Message", "%1 %2.");
    case MessageKind::InconsistentOpponentsFound:
        return QT_TRANSLATE_NOOP("Message", "Inconsistent opponents found. %1.");
    case MessageKind::InconsistentResultsFound:
        return QT_TRANSLATE_NOOP("Message", "Inconsistent results found. %1.");
    case MessageKind::DuplicateMemberNumber:
        return QT_TRANSLATE_NOOP("Message", "Membership number %1 on lines %2.");
    case MessageKind::MemberNumberNotSixDigits:
        return QT_TRANSLATE_NOOP("Message", "Membership number not six digits: %1");
    case MessageKind::NoMemberNumber:
        return QT_TRANSLATE_NOOP("Message", "%1: no membership number");
    case MessageKind::NameAndNumber:
        return QT_TRANSLATE_NOOP("Message", "%1, %2");
    case MessageKind::ResultAgainstEmptyLine:
        return QT_TRANSLATE_NOOP("Message", "Result against line %1, which has no name.");
    case MessageKind::RatingOutOfRange:
        return QT_TRANSLATE_NOOP("Message", "Rating outside 0-3000: %1");
    case MessageKind::SameName:
        return QT_TRANSLATE_NOOP("Message", "Same name on lines %1: %2");
    case MessageKind::DirectorNumberNotSixDigits:
        return QT_TRANSLATE_NOOP("Message", "Tournament director QRB number not six digits: %1");
    case MessageKind::OrganiserNumberNotSixDigits:
        return QT_TRANSLATE_NOOP("Message", "Organiser QRB number not six digits: %1");
    case MessageKind::ForfeitReportedAsPlayed:
        return QT_TRANSLATE_NOOP(
            "Message", "The report files a forfeit against line %1 as a played game against that "
                       "player; the federation asks for 0 as the opponent of a forfeit");
    case MessageKind::ByeOpponentIgnored:
        return QT_TRANSLATE_NOOP("Message",
                                 "A bye has no opponent: the number %1 is ignored in the report");
    case MessageKind::ReportedOtherwiseAt:
        return QT_TRANSLATE_NOOP("Message", "%1: %2");

        // Editing the chart: questions, refusals and the steps Undo names.
    case MessageKind::UndoResultCleared:
        return QT_TRANSLATE_NOOP("Message", "Result cleared in line %1");
    case MessageKind::UndoResult:
        return QT_TRANSLATE_NOOP("Message", "Result %1 in line %2");
    case MessageKind::UndoName:
        return QT_TRANSLATE_NOOP("Message", "Name in line %1");
    case MessageKind::UndoMemberNumber:
        return QT_TRANSLATE_NOOP("Message", "Membership number in line %1");
    case MessageKind::UndoRating:
        return QT_TRANSLATE_NOOP("Message", "Rating in line %1");
    case MessageKind::UndoClearAllResults:
        return QT_TRANSLATE_NOOP("Message", "Clear all results");
    case MessageKind::UndoClearCells:
        return QT_TRANSLATE_NOOP("Message", "Clear cells");
    case MessageKind::UndoCut:
        return QT_TRANSLATE_NOOP("Message", "Cut");
    case MessageKind::UndoDeleteRow:
        return QT_TRANSLATE_NOOP("Message", "Delete row");
    case MessageKind::UndoImportTrf:
        return QT_TRANSLATE_NOOP("Message", "Import TRF");
    case MessageKind::UndoInsertRow:
        return QT_TRANSLATE_NOOP("Message", "Insert row");
    case MessageKind::UndoLoadPlayer:
        return QT_TRANSLATE_NOOP("Message", "Load player");
    case MessageKind::UndoMatchPlayers:
        return QT_TRANSLATE_NOOP("Message", "Match players");
    case MessageKind::UndoNewChart:
        return QT_TRANSLATE_NOOP("Message", "New chart");
    case MessageKind::UndoNumberOfPlayers:
        return QT_TRANSLATE_NOOP("Message", "Number of players");
    case MessageKind::UndoNumberOfRounds:
        return QT_TRANSLATE_NOOP("Message", "Number of rounds");
    case MessageKind::UndoPaste:
        return QT_TRANSLATE_NOOP("Message", "Paste");
    case MessageKind::UndoSortByRating:
        return QT_TRANSLATE_NOOP("Message", "Sort by rating");
    case MessageKind::UndoTournamentType:
        return QT_TRANSLATE_NOOP("Message", "Tournament type");
    case MessageKind::CellFaultAt:
        return QT_TRANSLATE_NOOP("Message", "Line %1 column %2 %3.");
    case MessageKind::HoldsControlCharacter:
        return QT_TRANSLATE_NOOP("Message", "holds a control character (%1)");
    case MessageKind::HoldsTooManyCharacters:
        return QT_TRANSLATE_NOOP("Message", "holds %1 characters; a chart cell holds at most %2");
    case MessageKind::NothingPasted:
        return QT_TRANSLATE_NOOP("Message", "Nothing was pasted: %1");
    case MessageKind::PasteTooManyLines:
        return QT_TRANSLATE_NOOP(
            "Message", "The text has more than %1 lines, but a chart holds at most %2 players.");
    case MessageKind::PasteTooManyCells:
        return QT_TRANSLATE_NOOP(
            "Message", "Line %1 has more than %2 cells, but the widest chart has %3 columns.");

        // Chart files, file names and writing files.
    case MessageKind::ChartFileEmpty:
        return QT_TRANSLATE_NOOP("Message", "The file is empty: it holds no player lines.");
    case MessageKind::ChartFileTooManyLines:
        return QT_TRANSLATE_NOOP("Message",
                                 "The file has %1 lines, but a chart holds at most %2 players.");
    case MessageKind::ChartFileTooManyFields:
        return QT_TRANSLATE_NOOP(
            "Message", "The first line has %1 fields, but the widest chart has %2 columns.");
    case MessageKind::ChartFileTooManyRounds:
        return QT_TRANSLATE_NOOP("Message", "The first line has %1 fields, but a Swiss or match "
                                            "chart holds at most %2 rounds (%3 columns).");
    case MessageKind::ChartFileTooLarge:
        return QT_TRANSLATE_NOOP("Message",
                                 "The file is larger than any chart can be (more than %1 MB).");
    case MessageKind::ChartFileUtf16:
        return QT_TRANSLATE_NOOP("Message", "The file is saved as UTF-16; save it as plain text.");
    case MessageKind::ChartFileNulByte:
        return QT_TRANSLATE_NOOP("Message", "The file holds a NUL byte (line %1), which no chart "
                                            "file has: it is not a chart file.");
    case MessageKind::ChartFileBinary:
        return QT_TRANSLATE_NOOP(
            "Message", "The file holds binary data (line %1), not text: it is not a chart file.");
    case MessageKind::UnsavableCharacter:
        return QT_TRANSLATE_NOOP("Message", "Line %1 column %2 (\"%3\") holds \"%4\" (U+%5), a "
                                            "character that cannot be saved in a chart file.");
    case MessageKind::NoFileName:
        return QT_TRANSLATE_NOOP("Message", "No file name was given.");
    case MessageKind::NameEndsInSeparator:
        return QT_TRANSLATE_NOOP("Message",
                                 "The name ends in a folder separator, so it names no file.");
    case MessageKind::PathTooLong:
        return QT_TRANSLATE_NOOP("Message",
                                 "The path is %1 bytes long; the system takes %2 at most.");
    case MessageKind::PathNameTooLong:
        return QT_TRANSLATE_NOOP(
            "Message",
            "A name in the path is %1 bytes long; a file or folder name is %2 bytes at most.");
    case MessageKind::TargetIsFolder:
        return QT_TRANSLATE_NOOP("Message", "It is a folder, not a file.");
    case MessageKind::TargetIsDevice:
        return QT_TRANSLATE_NOOP("Message", "It is a device, not a regular file.");
    case MessageKind::TargetIsFifo:
        return QT_TRANSLATE_NOOP("Message", "It is a FIFO (named pipe), not a regular file.");
    case MessageKind::TargetIsSocket:
        return QT_TRANSLATE_NOOP("Message", "It is a socket, not a regular file.");
    case MessageKind::TargetNotRegular:
        return QT_TRANSLATE_NOOP("Message", "It is not a regular file.");
    case MessageKind::DanglingSymbolicLink:
        return QT_TRANSLATE_NOOP("Message", "It is a symbolic link to a file that does not exist.");
    case MessageKind::BrokenSymbolicLink:
        return QT_TRANSLATE_NOOP("Message", "It is a symbolic link that cannot be followed: %1.");
    case MessageKind::SystemReason:
        return QT_TRANSLATE_NOOP("Message", "%1");
    case MessageKind::OldFileNotKeptAside:
        return QT_TRANSLATE_NOOP("Message", "The old file could not be kept aside: %1.");
    case MessageKind::FirstFileNotPutBack:
        return QT_TRANSLATE_NOOP("Message", "%1 The first file could not be put back as it was.");
    case MessageKind::FileHeldOpen:
        return QT_TRANSLATE_NOOP(
            "Message", "The file is open in another program, which does not let it be replaced.");
    case MessageKind::ReadingFifo:
        return QT_TRANSLATE_NOOP("Message", "it is a FIFO (named pipe), not a regular file");
    case MessageKind::ReadingDevice:
        return QT_TRANSLATE_NOOP("Message", "it is a device, not a regular file");
    case MessageKind::ReadingSocket:
        return QT_TRANSLATE_NOOP("Message", "it is a socket, not a regular file");
    case MessageKind::ReadingNotRegular:
        return QT_TRANSLATE_NOOP("Message", "it is not a regular file");
    case MessageKind::CannotRead:
        return QT_TRANSLATE_NOOP("Message", "Cannot read %1: %2");
    case MessageKind::ReadFileTooLarge:
        return QT_TRANSLATE_NOOP("Message", "the file is larger than %1 MB");
    case MessageKind::CannotOpen:
        return QT_TRANSLATE_NOOP("Message", "Cannot open %1: %2");
    case MessageKind::ErrorSaving:
        return QT_TRANSLATE_NOOP("Message", "Error saving %1.");

        // The document's questions and refusals.
    case MessageKind::TypeSwiss:
        return QT_TRANSLATE_NOOP("Message", "Swiss");
    case MessageKind::TypeRoundRobin:
        return QT_TRANSLATE_NOOP("Message", "Round robin");
    case MessageKind::TypeDoubleRoundRobin:
        return QT_TRANSLATE_NOOP("Message", "Double round robin");
    case MessageKind::TypeRoundRobinInSentence:
        return QT_TRANSLATE_NOOP("Message", "round robin");
    case MessageKind::TypeDoubleRoundRobinInSentence:
        return QT_TRANSLATE_NOOP("Message", "double round robin");
    case MessageKind::LowerPlayersRemovesLine:
        return QT_TRANSLATE_NOOP(
            "Message", "Lowering the players to %1 removes 1 line that holds names or results.");
    case MessageKind::LowerPlayersRemovesLines:
        return QT_TRANSLATE_NOOP(
            "Message", "Lowering the players to %1 removes %2 lines that hold names or results.");
    case MessageKind::LowerRoundsRemovesResult:
        return QT_TRANSLATE_NOOP("Message", "Lowering the rounds to %1 removes 1 result.");
    case MessageKind::LowerRoundsRemovesResults:
        return QT_TRANSLATE_NOOP("Message", "Lowering the rounds to %1 removes %2 results.");
    case MessageKind::SwitchTypeOverwritesResult:
        return QT_TRANSLATE_NOOP("Message", "Switching to %1 overwrites 1 result.");
    case MessageKind::SwitchTypeOverwritesResults:
        return QT_TRANSLATE_NOOP("Message", "Switching to %1 overwrites %2 results.");
    case MessageKind::SwitchTypeHidesResult:
        return QT_TRANSLATE_NOOP("Message", "Switching to %1 hides 1 result.");
    case MessageKind::SwitchTypeHidesResults:
        return QT_TRANSLATE_NOOP("Message", "Switching to %1 hides %2 results.");
    case MessageKind::SwitchTypeOverwritesOrHidesResults:
        return QT_TRANSLATE_NOOP("Message", "Switching to %1 overwrites or hides %2 results.");
    case MessageKind::SaveChangesToChart:
        return QT_TRANSLATE_NOOP("Message", "Save changes to this chart?");
    case MessageKind::SaveChangesToTournament:
        return QT_TRANSLATE_NOOP("Message", "Save changes to this tournament?");
    case MessageKind::FileAlreadyExists:
        return QT_TRANSLATE_NOOP("Message", "%1 already exists.");
    case MessageKind::ReplaceIt:
        return QT_TRANSLATE_NOOP("Message", "Do you want to replace it?");
    case MessageKind::ChartFull:
        return QT_TRANSLATE_NOOP("Message", "The chart already holds %1 players.");
    case MessageKind::ClearAllResultsQuestion:
        return QT_TRANSLATE_NOOP("Message", "This will clear all rounds entered so far. Proceed?");
    case MessageKind::DeleteLineQuestion:
        return QT_TRANSLATE_NOOP("Message", "Delete line %1 and everything in it?");
    case MessageKind::DeleteLineClearsResult:
        return QT_TRANSLATE_NOOP(
            "Message", "The result in another line that names this player is cleared too.");
    case MessageKind::DeleteLineClearsResults:
        return QT_TRANSLATE_NOOP(
            "Message", "The %1 results in other lines that name this player are cleared too.");
    case MessageKind::PasteBeyondLastLine:
        return QT_TRANSLATE_NOOP("Message", "The pasted lines would reach line %1; a chart holds "
                                            "at most %2 players. Nothing was pasted.");
    case MessageKind::RoundRobinNotSorted:
        return QT_TRANSLATE_NOOP("Message",
                                 "Sorry. Resorting of round robin grids is not allowed.");

    // Tournament information and the report.
    case MessageKind::FieldTournamentName:
        return QT_TRANSLATE_NOOP("Message", "Name of tournament");
    case MessageKind::FieldProvince:
        return QT_TRANSLATE_NOOP("Message", "Province");
    case MessageKind::FieldReferenceNumber:
        return QT_TRANSLATE_NOOP("Message", "Reference number");
    case MessageKind::FieldEndDate:
        return QT_TRANSLATE_NOOP("Message", "Ending date of tournament");
    case MessageKind::FieldDirectorNumber:
        return QT_TRANSLATE_NOOP("Message", "Tournament director QRB number");
    case MessageKind::FieldOrganiserNumber:
        return QT_TRANSLATE_NOOP("Message", "Organiser QRB number");
    case MessageKind::RemoveCharactersFromField:
        return QT_TRANSLATE_NOOP(
            "Message",
            "Please remove quotation marks, tabs and line breaks from the field \"%1\".");
    case MessageKind::ReportCannotCarryThem:
        return QT_TRANSLATE_NOOP("Message", "The report cannot carry them.");
    case MessageKind::TournamentNameMissing:
        return QT_TRANSLATE_NOOP("Message", "Please provide a name for the tournament.");
    case MessageKind::ProvinceMissing:
        return QT_TRANSLATE_NOOP("Message", "Please enter the province.");
    case MessageKind::EndDateMissing:
        return QT_TRANSLATE_NOOP("Message", "Please provide an ending date.");
    case MessageKind::DirectorNumberMissing:
        return QT_TRANSLATE_NOOP("Message", "Please provide the TD's QRB number.");
    case MessageKind::EndDateFormat:
        return QT_TRANSLATE_NOOP("Message", "Please provide an ending date in YYYY/MM/DD format.");
    case MessageKind::EndDateLength:
        return QT_TRANSLATE_NOOP("Message",
                                 "Date must be exactly 10 characters long. Example: 2009/01/31");
    case MessageKind::EndDateShape:
        return QT_TRANSLATE_NOOP("Message",
                                 "Date must be in YYYY/MM/DD format. Example: 2009/01/31");
    case MessageKind::EndDateNotInCalendar:
        return QT_TRANSLATE_NOOP("Message", "The ending date %1 is not a date of the calendar.");
    case MessageKind::EndDateInFuture:
        return QT_TRANSLATE_NOOP("Message",
                                 "The ending date %1 lies more than a day in the future.");
    case MessageKind::EndDateGiveTheDay:
        return QT_TRANSLATE_NOOP(
            "Message", "Please provide the day the tournament ended, in YYYY/MM/DD format.");
    case MessageKind::ReportNamedAsChart:
        return QT_TRANSLATE_NOOP(
            "Message", "A report cannot be saved as a .tms file: that name is for the chart file "
                       "saved beside the report. Choose a name ending in .qtr.");
    case MessageKind::ReportFieldCannotBeCarried:
        return QT_TRANSLATE_NOOP("Message", "The report cannot be written: the field \"%1\" holds "
                                            "a character that the report file cannot carry.");
    case MessageKind::ReportEntryCannotBeCarried:
        return QT_TRANSLATE_NOOP("Message", "The report cannot be written: the entry at %1 holds a "
                                            "character that the report file cannot carry.");
    case MessageKind::ReportCannotBeCarried:
        return QT_TRANSLATE_NOOP("Message", "The report cannot be written: it holds a character "
                                            "that the report file cannot carry.");
    case MessageKind::ReportNotSaved:
        return QT_TRANSLATE_NOOP("Message", "Error saving report to file: %1");
    case MessageKind::ChartBesideReportNotSaved:
        return QT_TRANSLATE_NOOP("Message", "Error saving %1.");

        // The settings file and recovery copies.
    case MessageKind::SettingsNulByte:
        return QT_TRANSLATE_NOOP("Message", "line %1 holds a NUL byte");
    case MessageKind::SettingsHeadingNotWhole:
        return QT_TRANSLATE_NOOP("Message",
                                 "line %1 is not a section heading the reader takes whole");
    case MessageKind::SettingsLineUnreadable:
        return QT_TRANSLATE_NOOP("Message",
                                 "line %1 is neither a section, a setting nor a comment");
    case MessageKind::SettingsKeyTwice:
        return QT_TRANSLATE_NOOP("Message", "line %1 gives a setting of its section a second time");
    case MessageKind::SettingsCommentBeforeRepeatedSection:
        return QT_TRANSLATE_NOOP(
            "Message", "line %1 is a comment before a section named again, which the reader drops");
    case MessageKind::SettingsCommentAtEnd:
        return QT_TRANSLATE_NOOP(
            "Message", "line %1 is a comment after the last setting, which the reader drops");
    case MessageKind::CannotCreate:
        return QT_TRANSLATE_NOOP("Message", "Cannot create %1: %2");
    case MessageKind::RecoveryFolderIsLink:
        return QT_TRANSLATE_NOOP(
            "Message", "The recovery folder %1 is a symbolic link; no copy is written through it.");
    case MessageKind::NoRecoveryFolder:
        return QT_TRANSLATE_NOOP("Message", "No folder for recovery copies.");
    case MessageKind::CannotRestore:
        return QT_TRANSLATE_NOOP("Message", "Cannot restore %1: %2");
    case MessageKind::RecoveryCopyDamaged:
        return QT_TRANSLATE_NOOP("Message", "the copy is damaged or cut short.");

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
    case MessageKind::MemberNumberAlreadyInChart:
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

        // The standings.
    case MessageKind::StandingsTitle:
        return QT_TRANSLATE_NOOP("Message", "Standings");
    case MessageKind::StandingsEventName:
    case MessageKind::StandingsEventProvince:
        return QT_TRANSLATE_NOOP("Message", "%1");
    case MessageKind::StandingsEventProvinceEnding:
        return QT_TRANSLATE_NOOP("Message", "%1, ending %2");
    case MessageKind::StandingsEventEnding:
        return QT_TRANSLATE_NOOP("Message", "ending %1");
    case MessageKind::StandingsTypePlayersRounds:
        return QT_TRANSLATE_NOOP("Message", "%1, %2 players, %3 rounds");
    case MessageKind::StandingsTypePlayersRound:
        return QT_TRANSLATE_NOOP("Message", "%1, %2 players, %3 round");
    case MessageKind::StandingsTypePlayers:
        return QT_TRANSLATE_NOOP("Message", "%1, %2 players");
    case MessageKind::StandingsTieBreaks:
        return QT_TRANSLATE_NOOP("Message", "Tie-breaks: %1");
    case MessageKind::StandingsPrinted:
        return QT_TRANSLATE_NOOP("Message", "Printed %1");
    case MessageKind::StandingsCrossTable:
        return QT_TRANSLATE_NOOP("Message", "Cross-table");
    case MessageKind::StandingsColumnRank:
        return QT_TRANSLATE_NOOP("Message", "Rank");
    case MessageKind::StandingsColumnLine:
        return QT_TRANSLATE_NOOP("Message", "Line");
    case MessageKind::StandingsColumnLineNumber:
        return QT_TRANSLATE_NOOP("Message", "#");
    case MessageKind::StandingsColumnName:
        return QT_TRANSLATE_NOOP("Message", "Name");
    case MessageKind::StandingsColumnMember:
        return QT_TRANSLATE_NOOP("Message", "Member");
    case MessageKind::StandingsColumnRating:
        return QT_TRANSLATE_NOOP("Message", "Rating");
    case MessageKind::StandingsColumnPoints:
        return QT_TRANSLATE_NOOP("Message", "Points");
    case MessageKind::StandingsColumnPts:
        return QT_TRANSLATE_NOOP("Message", "Pts");
    case MessageKind::StandingsColumnPlace:
        return QT_TRANSLATE_NOOP("Message", "Place");
    case MessageKind::StandingsColumnRound:
        return QT_TRANSLATE_NOOP("Message", "Rd %1");
    case MessageKind::StandingsColumnOpponentLine:
    case MessageKind::StandingsColumnTieBreak:
        return QT_TRANSLATE_NOOP("Message", "%1");
    case MessageKind::StandingsPdfNotMade:
        return QT_TRANSLATE_NOOP("Message", "cannot make the PDF: %1");

    // Importing a FIDE tournament report.
    case MessageKind::ImportCannot:
        return QT_TRANSLATE_NOOP("Message", "Cannot import %1:");
    case MessageKind::ImportLine:
        return QT_TRANSLATE_NOOP("Message", "Line %1: %2");
    case MessageKind::ImportRound:
        return QT_TRANSLATE_NOOP("Message", "Round %1: %2");
    case MessageKind::ImportSummaryPlayers:
        return QT_TRANSLATE_NOOP("Message", "Players: %1");
    case MessageKind::ImportSummaryRounds:
        return QT_TRANSLATE_NOOP("Message", "Rounds: %1");
    case MessageKind::ImportSummaryType:
        return QT_TRANSLATE_NOOP("Message", "Type: %1");
    case MessageKind::ImportSummaryTournament:
        return QT_TRANSLATE_NOOP("Message", "Tournament: %1");
    case MessageKind::ImportSummaryTextReadAs:
        return QT_TRANSLATE_NOOP("Message", "Text read as %1");
    case MessageKind::ImportSummaryWarning:
        return QT_TRANSLATE_NOOP("Message", "Warning: %1");
    case MessageKind::ImportNameRespelled:
        return QT_TRANSLATE_NOOP("Message", "Line %1: \"%2\" is written \"%3\"; a chart file "
                                            "cannot hold %4.");
    case MessageKind::ImportScoreDiffers:
        return QT_TRANSLATE_NOOP("Message", "Line %1 (%2): the file gives a score of %3, the "
                                            "imported results %4.");
    case MessageKind::ImportByeLeftOut:
        return QT_TRANSLATE_NOOP("Message", "Line %1: the bye of round %2 has no cell in a round "
                                            "robin chart and is left out.");
    case MessageKind::ImportNameControls:
        return QT_TRANSLATE_NOOP("Message", "Line %1: control characters in the name are written "
                                            "as spaces.");
    case MessageKind::ImportColoursNotKept:
        return QT_TRANSLATE_NOOP("Message", "Colours are not kept: the chart has no place for "
                                            "them.");
    case MessageKind::ImportedAsSwiss:
        return QT_TRANSLATE_NOOP("Message", "%1 The file is imported as a Swiss chart.");
    case MessageKind::ImportItAsSwiss:
        return QT_TRANSLATE_NOOP("Message", "%1 Import it as a Swiss chart.");
    case MessageKind::ImportFileTooLarge:
        return QT_TRANSLATE_NOOP("Message", "The file is larger than any tournament report can "
                                            "be (more than %1 MB).");
    case MessageKind::ImportTooManyLines:
        return QT_TRANSLATE_NOOP("Message", "The file has more than %1 lines; no tournament "
                                            "report of %2 players is that long.");
    case MessageKind::ImportLineTooLong:
        return QT_TRANSLATE_NOOP("Message", "the line is longer than %1 bytes; no line of a "
                                            "tournament report is.");
    case MessageKind::ImportTooManyPlayers:
        return QT_TRANSLATE_NOOP("Message", "The file has more than %1 players; a chart holds at "
                                            "most %2.");
    case MessageKind::ImportNoPlayerLine:
        return QT_TRANSLATE_NOOP("Message", "This is not a FIDE tournament report file: it has "
                                            "no player line (a line beginning with 001).");
    case MessageKind::ImportStartNumberUnreadable:
        return QT_TRANSLATE_NOOP("Message", "the start number (columns 5-8) is not a number from "
                                            "1 up.");
    case MessageKind::ImportRatingControl:
        return QT_TRANSLATE_NOOP("Message", "the rating (columns 49-52) holds a control "
                                            "character (%1).");
    case MessageKind::ImportLineTooManyRounds:
        return QT_TRANSLATE_NOOP("Message", "the line holds more than %1 rounds.");
    case MessageKind::ImportRoundColumns:
        return QT_TRANSLATE_NOOP("Message", "round %1 (columns %2-%3)");
    case MessageKind::ImportOpponentUnreadable:
        return QT_TRANSLATE_NOOP("Message", "%1: the opponent '%2' is not a start number.");
    case MessageKind::ImportColourUnknown:
        return QT_TRANSLATE_NOOP("Message", "%1: the colour '%2' is not w, b or -.");
    case MessageKind::ImportResultUnknown:
        return QT_TRANSLATE_NOOP("Message", "%1: the result '%2' is not a result code of the "
                                            "format.");
    case MessageKind::ImportStartNumberTwice:
        return QT_TRANSLATE_NOOP("Message", "Start number %1 is given to two players (the other "
                                            "on line %2).");
    case MessageKind::ImportOpponentMissing:
        return QT_TRANSLATE_NOOP("Message", "the opponent's start number %1 does not exist.");
    case MessageKind::ImportPairedWithItself:
        return QT_TRANSLATE_NOOP("Message", "start number %1 is paired with itself.");
    case MessageKind::ImportNotPairedBack:
        return QT_TRANSLATE_NOOP("Message", "start number %1 plays %2, but the line of %3 (line "
                                            "%4) does not pair them.");
    case MessageKind::ImportResultsDisagree:
        return QT_TRANSLATE_NOOP("Message", "the results of start numbers %1 (%2) and %3 (%4, "
                                            "line %5) disagree.");
    case MessageKind::ImportNoResult:
        return QT_TRANSLATE_NOOP("Message", "no result");
    case MessageKind::ImportTooManyRounds:
        return QT_TRANSLATE_NOOP("Message", "The file has %1 rounds, but a Swiss chart holds at "
                                            "most %2.");
    case MessageKind::ImportMeetMoreThanOnce:
        return QT_TRANSLATE_NOOP("Message", "start numbers %1 and %2 meet more than once; a "
                                            "round robin chart has no cell for that game.");
    case MessageKind::ImportMeetMoreThanTwice:
        return QT_TRANSLATE_NOOP("Message", "start numbers %1 and %2 meet more than twice; a "
                                            "double round robin chart has no cell for that game.");
    case MessageKind::ImportDoubleForfeit:
        return QT_TRANSLATE_NOOP("Message", "start numbers %1 and %2 both lost without playing "
                                            "(a double forfeit); a round robin chart has no "
                                            "cells for that game that its check accepts.");
    case MessageKind::ImportGameWithoutResult:
        return QT_TRANSLATE_NOOP("Message", "the game of start numbers %1 and %2 has no result; "
                                            "a round robin chart's check refuses a game without "
                                            "one.");
    case MessageKind::ImportPairMeetsTooRarely:
        return QT_TRANSLATE_NOOP("Message", "Start numbers %1 and %2 meet %3 times instead of "
                                            "%4; the chart's check refuses the empty cells of "
                                            "the games not played.");
    }
    return "";
}

QString MessageText(const Message& message) {
    return ToQString(RenderMessage(message, [](MessageKind kind) {
        const char* source = MessageSource(kind);
        return *source ? QCoreApplication::translate("Message", source).toStdString()
                       : std::string();
    }));
}

} // namespace ranvik
