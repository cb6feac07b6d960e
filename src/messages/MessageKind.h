#pragma once
// Every message the program's core can give. Each kind has one English text (its case in
// EnglishTemplates.cpp) and one in the window's language (MessageText.cpp in the window);
// the texts name their values %1, %2, ... in the order the message carries them.

#include <cstdint>

namespace ranvik {

enum class MessageKind : std::uint16_t {
    None,
    // An English text from before messages were values, shown as the old window shows it;
    // goes when the last caller gives a message of its own kind.
    Untranslated,

    // Checking the chart.
    InvalidResult,
    MissingName,
    InvalidRating,
    PairedAgainstSelf,
    OwnCellNotX,
    InconsistentOpponents,
    InconsistentResults,

    // Editing the chart: questions, refusals and the steps Undo names.

    // Chart files, file names and writing files.

    // The document's questions and refusals.
    TypeSwiss,
    TypeRoundRobin,
    TypeDoubleRoundRobin,
    TypeRoundRobinInSentence,
    TypeDoubleRoundRobinInSentence,
    LowerPlayersRemovesLine,
    LowerPlayersRemovesLines,
    LowerRoundsRemovesResult,
    LowerRoundsRemovesResults,
    SwitchTypeOverwritesResult,
    SwitchTypeOverwritesResults,
    SwitchTypeHidesResult,
    SwitchTypeHidesResults,
    SwitchTypeOverwritesOrHidesResults,
    SaveChangesToChart,
    SaveChangesToTournament,
    FileAlreadyExists,
    ReplaceIt,
    ChartFull,
    ClearAllResultsQuestion,
    DeleteLineQuestion,
    DeleteLineClearsResult,
    DeleteLineClearsResults,
    PasteBeyondLastLine,
    RoundRobinNotSorted,

    // Tournament information and the report.
    FieldTournamentName,
    FieldProvince,
    FieldReferenceNumber,
    FieldEndDate,
    FieldDirectorNumber,
    FieldOrganiserNumber,
    RemoveCharactersFromField,
    ReportCannotCarryThem,
    TournamentNameMissing,
    ProvinceMissing,
    EndDateMissing,
    DirectorNumberMissing,
    EndDateFormat,
    EndDateLength,
    EndDateShape,
    EndDateNotInCalendar,
    EndDateInFuture,
    EndDateGiveTheDay,
    ReportNamedAsChart,
    ReportFieldCannotBeCarried,
    ReportEntryCannotBeCarried,
    ReportCannotBeCarried,
    ReportNotSaved,
    ChartBesideReportNotSaved,

    // The settings file and recovery copies.

    // The membership database.
    DatabaseNameMissing,
    DatabaseNotFound,
    DatabaseIsFolder,
    DatabaseNotRegularFile,
    DatabaseUnreadable,
    DatabaseFormatUnknown,
    AccessCannotOpen,
    AccessTableListDamaged,
    AccessDamaged,
    AccessReaderFailed,
    SqliteCannotOpen,
    SqliteReaderFailed,
    SqliteUnmergedLog,
    DatabaseHoldsNoTable,
    DatabaseHasNoTable,
    TableUnreadable,
    TableUnreadableBecause,
    TableRowUnreadable,
    TableRowsMissing,
    TableRowWrongWidth,
    MembershipFieldMissing,
    TableTooManyRows,
    TableTooManyValues,
    ReaderDataTooLarge,
    ReaderDataDamaged,
    ReaderRowsWithoutFields,
    ReaderRowWrongWidth,
    ReaderAnswerDamaged,

    // Loading and matching players.
    LoadNoDatabase,
    MemberNotLoadable,
    MemberValueControlCharacter,
    MemberValueTooLong,
    DuplicateMemberNumber,
    MatchNoDatabase,
    MatchNothingToDo,
    PlayersMatched,
    PlayersMatchedPicked,
    MatchLeftAlone,
    MatchRespelled,
    MatchControlsAsSpaces,
    MatchRefused,
    MatchOneLine,
    MatchLines,

    // Importing a FIDE tournament report.

    // The standings.
    StandingsTitle,
    StandingsEventName,
    StandingsEventProvince,
    StandingsEventProvinceEnding,
    StandingsEventEnding,
    StandingsTypePlayersRounds,
    StandingsTypePlayersRound,
    StandingsTypePlayers,
    StandingsTieBreaks,
    StandingsPrinted,
    StandingsCrossTable,
    StandingsColumnRank,
    StandingsColumnLine,
    StandingsColumnLineNumber,
    StandingsColumnName,
    StandingsColumnMember,
    StandingsColumnRating,
    StandingsColumnPoints,
    StandingsColumnPts,
    StandingsColumnPlace,
    StandingsColumnRound,
    StandingsColumnOpponentLine,
    StandingsColumnTieBreak,
    StandingsPdfNotMade,
    StandingsNotSaved,

    // Not a message: how many kinds there are.
    KindCount
};

} // namespace ranvik
