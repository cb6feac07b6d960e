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

        // The membership database.

        // Loading and matching players.

        // Importing a FIDE tournament report.

        // The standings.
    }
    return "";
}

} // namespace ranvik
