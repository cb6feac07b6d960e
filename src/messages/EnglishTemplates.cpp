#include "messages/Message.h"

namespace ranvik {

std::string_view EnglishTemplate(MessageKind kind) {
    switch (kind) {
    case MessageKind::None:
    case MessageKind::KindCount:
        return "";

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
    case MessageKind::CellPlace:
        return "Line %1, %2";
    case MessageKind::ColumnName:
        return "name";
    case MessageKind::ColumnMemberNumber:
        return "membership number";
    case MessageKind::ColumnRating:
        return "rating";
    case MessageKind::ColumnRound:
        return "Rd %1";
    case MessageKind::ColumnOpponent:
        return "player %1";
    case MessageKind::FaultAtCell:
        return "%1 %2.";
    case MessageKind::InconsistentOpponentsFound:
        return "Inconsistent opponents found. %1.";
    case MessageKind::InconsistentResultsFound:
        return "Inconsistent results found. %1.";
    case MessageKind::DuplicateMemberNumber:
        return "Membership number %1 on lines %2.";
    case MessageKind::MemberNumberNotSixDigits:
        return "Membership number not six digits: %1";
    case MessageKind::NoMemberNumber:
        return "%1: no membership number";
    case MessageKind::NameAndNumber:
        return "%1, %2";
    case MessageKind::ResultAgainstEmptyLine:
        return "Result against line %1, which has no name.";
    case MessageKind::RatingOutOfRange:
        return "Rating outside 0-3000: %1";
    case MessageKind::SameName:
        return "Same name on lines %1: %2";
    case MessageKind::DirectorNumberNotSixDigits:
        return "Tournament director QRB number not six digits: %1";
    case MessageKind::OrganiserNumberNotSixDigits:
        return "Organiser QRB number not six digits: %1";
    case MessageKind::ForfeitReportedAsPlayed:
        return "The report files a forfeit against line %1 as a played game against that player; "
               "the federation asks for 0 as the opponent of a forfeit";
    case MessageKind::ByeOpponentIgnored:
        return "A bye has no opponent: the number %1 is ignored in the report";
    case MessageKind::ReportedOtherwiseAt:
        return "%1: %2";

        // Editing the chart: questions, refusals and the steps Undo names.
    case MessageKind::UndoResultCleared:
        return "Result cleared in line %1";
    case MessageKind::UndoResult:
        return "Result %1 in line %2";
    case MessageKind::UndoName:
        return "Name in line %1";
    case MessageKind::UndoMemberNumber:
        return "Membership number in line %1";
    case MessageKind::UndoRating:
        return "Rating in line %1";
    case MessageKind::UndoClearAllResults:
        return "Clear all results";
    case MessageKind::UndoClearCells:
        return "Clear cells";
    case MessageKind::UndoCut:
        return "Cut";
    case MessageKind::UndoDeleteRow:
        return "Delete row";
    case MessageKind::UndoImportTrf:
        return "Import TRF";
    case MessageKind::UndoInsertRow:
        return "Insert row";
    case MessageKind::UndoLoadPlayer:
        return "Load player";
    case MessageKind::UndoMatchPlayers:
        return "Match players";
    case MessageKind::UndoNewChart:
        return "New chart";
    case MessageKind::UndoNumberOfPlayers:
        return "Number of players";
    case MessageKind::UndoNumberOfRounds:
        return "Number of rounds";
    case MessageKind::UndoPaste:
        return "Paste";
    case MessageKind::UndoSortByRating:
        return "Sort by rating";
    case MessageKind::UndoTournamentType:
        return "Tournament type";
    case MessageKind::CellFaultAt:
        return "Line %1 column %2 %3.";
    case MessageKind::HoldsControlCharacter:
        return "holds a control character (%1)";
    case MessageKind::HoldsTooManyCharacters:
        return "holds %1 characters; a chart cell holds at most %2";
    case MessageKind::NothingPasted:
        return "Nothing was pasted: %1";
    case MessageKind::PasteTooManyLines:
        return "The text has more than %1 lines, but a chart holds at most %2 players.";
    case MessageKind::PasteTooManyCells:
        return "Line %1 has more than %2 cells, but the widest chart has %3 columns.";

        // Chart files, file names and writing files.
    case MessageKind::ChartFileEmpty:
        return "The file is empty: it holds no player lines.";
    case MessageKind::ChartFileTooManyLines:
        return "The file has %1 lines, but a chart holds at most %2 players.";
    case MessageKind::ChartFileTooManyFields:
        return "The first line has %1 fields, but the widest chart has %2 columns.";
    case MessageKind::ChartFileTooManyRounds:
        return "The first line has %1 fields, but a Swiss or match chart holds at most %2 rounds "
               "(%3 columns).";
    case MessageKind::ChartFileTooLarge:
        return "The file is larger than any chart can be (more than %1 MB).";
    case MessageKind::ChartFileUtf16:
        return "The file is saved as UTF-16; save it as plain text.";
    case MessageKind::ChartFileNulByte:
        return "The file holds a NUL byte (line %1), which no chart file has: it is not a chart "
               "file.";
    case MessageKind::ChartFileBinary:
        return "The file holds binary data (line %1), not text: it is not a chart file.";
    case MessageKind::UnsavableCharacter:
        return "Line %1 column %2 (\"%3\") holds \"%4\" (U+%5), a character that cannot be saved "
               "in a chart file.";
    case MessageKind::NoFileName:
        return "No file name was given.";
    case MessageKind::NameEndsInSeparator:
        return "The name ends in a folder separator, so it names no file.";
    case MessageKind::PathTooLong:
        return "The path is %1 bytes long; the system takes %2 at most.";
    case MessageKind::PathNameTooLong:
        return "A name in the path is %1 bytes long; a file or folder name is %2 bytes at most.";
    case MessageKind::TargetIsFolder:
        return "It is a folder, not a file.";
    case MessageKind::TargetIsDevice:
        return "It is a device, not a regular file.";
    case MessageKind::TargetIsFifo:
        return "It is a FIFO (named pipe), not a regular file.";
    case MessageKind::TargetIsSocket:
        return "It is a socket, not a regular file.";
    case MessageKind::TargetNotRegular:
        return "It is not a regular file.";
    case MessageKind::DanglingSymbolicLink:
        return "It is a symbolic link to a file that does not exist.";
    case MessageKind::BrokenSymbolicLink:
        return "It is a symbolic link that cannot be followed: %1.";
    case MessageKind::SystemReason:
        return "%1";
    case MessageKind::OldFileNotKeptAside:
        return "The old file could not be kept aside: %1.";
    case MessageKind::FirstFileNotPutBack:
        return "%1 The first file could not be put back as it was.";
    case MessageKind::FileHeldOpen:
        return "The file is open in another program, which does not let it be replaced.";
    case MessageKind::ReadingFifo:
        return "it is a FIFO (named pipe), not a regular file";
    case MessageKind::ReadingDevice:
        return "it is a device, not a regular file";
    case MessageKind::ReadingSocket:
        return "it is a socket, not a regular file";
    case MessageKind::ReadingNotRegular:
        return "it is not a regular file";
    case MessageKind::CannotRead:
        return "Cannot read %1: %2";
    case MessageKind::ReadFileTooLarge:
        return "the file is larger than %1 MB";
    case MessageKind::CannotOpen:
        return "Cannot open %1: %2";
    case MessageKind::ErrorSaving:
        return "Error saving %1.";

        // The document's questions and refusals.
    case MessageKind::TypeSwiss:
        return "Swiss";
    case MessageKind::TypeRoundRobin:
        return "Round robin";
    case MessageKind::TypeDoubleRoundRobin:
        return "Double round robin";
    case MessageKind::TypeRoundRobinInSentence:
        return "round robin";
    case MessageKind::TypeDoubleRoundRobinInSentence:
        return "double round robin";
    case MessageKind::LowerPlayersRemovesLine:
        return "Lowering the players to %1 removes 1 line that holds names or results.";
    case MessageKind::LowerPlayersRemovesLines:
        return "Lowering the players to %1 removes %2 lines that hold names or results.";
    case MessageKind::LowerRoundsRemovesResult:
        return "Lowering the rounds to %1 removes 1 result.";
    case MessageKind::LowerRoundsRemovesResults:
        return "Lowering the rounds to %1 removes %2 results.";
    case MessageKind::SwitchTypeOverwritesResult:
        return "Switching to %1 overwrites 1 result.";
    case MessageKind::SwitchTypeOverwritesResults:
        return "Switching to %1 overwrites %2 results.";
    case MessageKind::SwitchTypeHidesResult:
        return "Switching to %1 hides 1 result.";
    case MessageKind::SwitchTypeHidesResults:
        return "Switching to %1 hides %2 results.";
    case MessageKind::SwitchTypeOverwritesOrHidesResults:
        return "Switching to %1 overwrites or hides %2 results.";
    case MessageKind::SaveChangesToChart:
        return "Save changes to this chart?";
    case MessageKind::SaveChangesToTournament:
        return "Save changes to this tournament?";
    case MessageKind::FileAlreadyExists:
        return "%1 already exists.";
    case MessageKind::ReplaceIt:
        return "Do you want to replace it?";
    case MessageKind::ChartFull:
        return "The chart already holds %1 players.";
    case MessageKind::ClearAllResultsQuestion:
        return "This will clear all rounds entered so far. Proceed?";
    case MessageKind::DeleteLineQuestion:
        return "Delete line %1 and everything in it?";
    case MessageKind::DeleteLineClearsResult:
        return "The result in another line that names this player is cleared too.";
    case MessageKind::DeleteLineClearsResults:
        return "The %1 results in other lines that name this player are cleared too.";
    case MessageKind::PasteBeyondLastLine:
        return "The pasted lines would reach line %1; a chart holds at most %2 players. Nothing "
               "was pasted.";
    case MessageKind::RoundRobinNotSorted:
        return "Sorry. Resorting of round robin grids is not allowed.";

    // Tournament information and the report.
    case MessageKind::FieldTournamentName:
        return "Name of tournament";
    case MessageKind::FieldProvince:
        return "Province";
    case MessageKind::FieldReferenceNumber:
        return "Reference number";
    case MessageKind::FieldEndDate:
        return "Ending date of tournament";
    case MessageKind::FieldDirectorNumber:
        return "Tournament director QRB number";
    case MessageKind::FieldOrganiserNumber:
        return "Organiser QRB number";
    case MessageKind::RemoveCharactersFromField:
        return "Please remove quotation marks, tabs and line breaks from the field \"%1\".";
    case MessageKind::ReportCannotCarryThem:
        return "The report cannot carry them.";
    case MessageKind::TournamentNameMissing:
        return "Please provide a name for the tournament.";
    case MessageKind::ProvinceMissing:
        return "Please enter the province.";
    case MessageKind::EndDateMissing:
        return "Please provide an ending date.";
    case MessageKind::DirectorNumberMissing:
        return "Please provide the TD's QRB number.";
    case MessageKind::EndDateFormat:
        return "Please provide an ending date in YYYY/MM/DD format.";
    case MessageKind::EndDateLength:
        return "Date must be exactly 10 characters long. Example: 2009/01/31";
    case MessageKind::EndDateShape:
        return "Date must be in YYYY/MM/DD format. Example: 2009/01/31";
    case MessageKind::EndDateNotInCalendar:
        return "The ending date %1 is not a date of the calendar.";
    case MessageKind::EndDateInFuture:
        return "The ending date %1 lies more than a day in the future.";
    case MessageKind::EndDateGiveTheDay:
        return "Please provide the day the tournament ended, in YYYY/MM/DD format.";
    case MessageKind::ReportNamedAsChart:
        return "A report cannot be saved as a .tms file: that name is for the chart file saved "
               "beside the report. Choose a name ending in .qtr.";
    case MessageKind::ReportFieldCannotBeCarried:
        return "The report cannot be written: the field \"%1\" holds a character that the report "
               "file cannot carry.";
    case MessageKind::ReportEntryCannotBeCarried:
        return "The report cannot be written: the entry at %1 holds a character that the report "
               "file cannot carry.";
    case MessageKind::ReportCannotBeCarried:
        return "The report cannot be written: it holds a character that the report file cannot "
               "carry.";
    case MessageKind::ReportNotSaved:
        return "Error saving report to file: %1";
    case MessageKind::ChartBesideReportNotSaved:
        return "Error saving %1.";

        // The settings file and recovery copies.
    case MessageKind::SettingsNulByte:
        return "line %1 holds a NUL byte";
    case MessageKind::SettingsHeadingNotWhole:
        return "line %1 is not a section heading the reader takes whole";
    case MessageKind::SettingsLineUnreadable:
        return "line %1 is neither a section, a setting nor a comment";
    case MessageKind::SettingsKeyTwice:
        return "line %1 gives a setting of its section a second time";
    case MessageKind::SettingsCommentBeforeRepeatedSection:
        return "line %1 is a comment before a section named again, which the reader drops";
    case MessageKind::SettingsCommentAtEnd:
        return "line %1 is a comment after the last setting, which the reader drops";
    case MessageKind::CannotCreate:
        return "Cannot create %1: %2";
    case MessageKind::RecoveryFolderIsLink:
        return "The recovery folder %1 is a symbolic link; no copy is written through it.";
    case MessageKind::NoRecoveryFolder:
        return "No folder for recovery copies.";
    case MessageKind::CannotRestore:
        return "Cannot restore %1: %2";
    case MessageKind::RecoveryCopyDamaged:
        return "the copy is damaged or cut short.";

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
    case MessageKind::MemberNumberAlreadyInChart:
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

        // The standings.
    case MessageKind::StandingsTitle:
        return "Standings";
    case MessageKind::StandingsEventName:
    case MessageKind::StandingsEventProvince:
        return "%1";
    case MessageKind::StandingsEventProvinceEnding:
        return "%1, ending %2";
    case MessageKind::StandingsEventEnding:
        return "ending %1";
    case MessageKind::StandingsTypePlayersRounds:
        return "%1, %2 players, %3 rounds";
    case MessageKind::StandingsTypePlayersRound:
        return "%1, %2 players, %3 round";
    case MessageKind::StandingsTypePlayers:
        return "%1, %2 players";
    case MessageKind::StandingsTieBreaks:
        return "Tie-breaks: %1";
    case MessageKind::StandingsPrinted:
        return "Printed %1";
    case MessageKind::StandingsCrossTable:
        return "Cross-table";
    case MessageKind::StandingsColumnRank:
        return "Rank";
    case MessageKind::StandingsColumnLine:
        return "Line";
    case MessageKind::StandingsColumnLineNumber:
        return "#";
    case MessageKind::StandingsColumnName:
        return "Name";
    case MessageKind::StandingsColumnMember:
        return "Member";
    case MessageKind::StandingsColumnRating:
        return "Rating";
    case MessageKind::StandingsColumnPoints:
        return "Points";
    case MessageKind::StandingsColumnPts:
        return "Pts";
    case MessageKind::StandingsColumnPlace:
        return "Place";
    case MessageKind::StandingsColumnRound:
        return "Rd %1";
    case MessageKind::StandingsColumnOpponentLine:
    case MessageKind::StandingsColumnTieBreak:
        return "%1";
    case MessageKind::StandingsPdfNotMade:
        return "cannot make the PDF: %1";

    // Importing a FIDE tournament report.
    case MessageKind::ImportCannot:
        return "Cannot import %1:";
    case MessageKind::ImportLine:
        return "Line %1: %2";
    case MessageKind::ImportRound:
        return "Round %1: %2";
    case MessageKind::ImportSummaryPlayers:
        return "Players: %1";
    case MessageKind::ImportSummaryRounds:
        return "Rounds: %1";
    case MessageKind::ImportSummaryType:
        return "Type: %1";
    case MessageKind::ImportSummaryTournament:
        return "Tournament: %1";
    case MessageKind::ImportSummaryTextReadAs:
        return "Text read as %1";
    case MessageKind::ImportSummaryWarning:
        return "Warning: %1";
    case MessageKind::ImportNameRespelled:
        return "Line %1: \"%2\" is written \"%3\"; a chart file cannot hold %4.";
    case MessageKind::ImportScoreDiffers:
        return "Line %1 (%2): the file gives a score of %3, the imported results %4.";
    case MessageKind::ImportByeLeftOut:
        return "Line %1: the bye of round %2 has no cell in a round robin chart and is left out.";
    case MessageKind::ImportNameControls:
        return "Line %1: control characters in the name are written as spaces.";
    case MessageKind::ImportColoursNotKept:
        return "Colours are not kept: the chart has no place for them.";
    case MessageKind::ImportedAsSwiss:
        return "%1 The file is imported as a Swiss chart.";
    case MessageKind::ImportItAsSwiss:
        return "%1 Import it as a Swiss chart.";
    case MessageKind::ImportFileTooLarge:
        return "The file is larger than any tournament report can be (more than %1 MB).";
    case MessageKind::ImportTooManyLines:
        return "The file has more than %1 lines; no tournament report of %2 players is that long.";
    case MessageKind::ImportLineTooLong:
        return "the line is longer than %1 bytes; no line of a tournament report is.";
    case MessageKind::ImportTooManyPlayers:
        return "The file has more than %1 players; a chart holds at most %2.";
    case MessageKind::ImportNoPlayerLine:
        return "This is not a FIDE tournament report file: it has no player line (a line "
               "beginning with 001).";
    case MessageKind::ImportStartNumberUnreadable:
        return "the start number (columns 5-8) is not a number from 1 up.";
    case MessageKind::ImportRatingControl:
        return "the rating (columns 49-52) holds a control character (%1).";
    case MessageKind::ImportLineTooManyRounds:
        return "the line holds more than %1 rounds.";
    case MessageKind::ImportRoundColumns:
        return "round %1 (columns %2-%3)";
    case MessageKind::ImportOpponentUnreadable:
        return "%1: the opponent '%2' is not a start number.";
    case MessageKind::ImportColourUnknown:
        return "%1: the colour '%2' is not w, b or -.";
    case MessageKind::ImportResultUnknown:
        return "%1: the result '%2' is not a result code of the format.";
    case MessageKind::ImportStartNumberTwice:
        return "Start number %1 is given to two players (the other on line %2).";
    case MessageKind::ImportOpponentMissing:
        return "the opponent's start number %1 does not exist.";
    case MessageKind::ImportPairedWithItself:
        return "start number %1 is paired with itself.";
    case MessageKind::ImportNotPairedBack:
        return "start number %1 plays %2, but the line of %3 (line %4) does not pair them.";
    case MessageKind::ImportResultsDisagree:
        return "the results of start numbers %1 (%2) and %3 (%4, line %5) disagree.";
    case MessageKind::ImportNoResult:
        return "no result";
    case MessageKind::ImportTooManyRounds:
        return "The file has %1 rounds, but a Swiss chart holds at most %2.";
    case MessageKind::ImportMeetMoreThanOnce:
        return "start numbers %1 and %2 meet more than once; a round robin chart has no cell for "
               "that game.";
    case MessageKind::ImportMeetMoreThanTwice:
        return "start numbers %1 and %2 meet more than twice; a double round robin chart has no "
               "cell for that game.";
    case MessageKind::ImportDoubleForfeit:
        return "start numbers %1 and %2 both lost without playing (a double forfeit); a round "
               "robin chart has no cells for that game that its check accepts.";
    case MessageKind::ImportGameWithoutResult:
        return "the game of start numbers %1 and %2 has no result; a round robin chart's check "
               "refuses a game without one.";
    case MessageKind::ImportPairMeetsTooRarely:
        return "Start numbers %1 and %2 meet %3 times instead of %4; the chart's check refuses "
               "the empty cells of the games not played.";
    }
    return "";
}

} // namespace ranvik
