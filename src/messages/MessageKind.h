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
    CellPlace,
    ColumnName,
    ColumnMemberNumber,
    ColumnRating,
    ColumnRound,
    ColumnOpponent,
    FaultAtCell,
    InconsistentOpponentsFound,
    InconsistentResultsFound,
    DuplicateMemberNumber,
    MemberNumberNotSixDigits,
    NoMemberNumber,
    ResultAgainstEmptyLine,
    RatingOutOfRange,
    SameName,
    DirectorNumberNotSixDigits,
    OrganiserNumberNotSixDigits,
    ForfeitReportedAsPlayed,
    ByeOpponentIgnored,
    ReportedOtherwiseAt,

    // Editing the chart: questions, refusals and the steps Undo names.
    UndoResultCleared,
    UndoResult,
    UndoName,
    UndoMemberNumber,
    UndoRating,
    UndoClearAllResults,
    UndoClearCells,
    UndoCut,
    UndoDeleteRow,
    UndoImportTrf,
    UndoInsertRow,
    UndoLoadPlayer,
    UndoMatchPlayers,
    UndoNewChart,
    UndoNumberOfPlayers,
    UndoNumberOfRounds,
    UndoPaste,
    UndoSortByRating,
    UndoTournamentType,
    CellFaultAt,
    HoldsControlCharacter,
    HoldsTooManyCharacters,
    NothingPasted,
    PasteTooManyLines,
    PasteTooManyCells,

    // Chart files, file names and writing files.
    ChartFileEmpty,
    ChartFileTooManyLines,
    ChartFileTooManyFields,
    ChartFileTooManyRounds,
    ChartFileTooLarge,
    ChartFileUtf16,
    ChartFileNulByte,
    ChartFileBinary,
    UnsavableCharacter,
    NoFileName,
    NameEndsInSeparator,
    PathTooLong,
    PathNameTooLong,
    TargetIsFolder,
    TargetIsDevice,
    TargetIsFifo,
    TargetIsSocket,
    TargetNotRegular,
    DanglingSymbolicLink,
    BrokenSymbolicLink,
    SystemReason,
    OldFileNotKeptAside,
    FirstFileNotPutBack,
    FileHeldOpen,
    ReadingFifo,
    ReadingDevice,
    ReadingSocket,
    ReadingNotRegular,
    CannotRead,
    ReadFileTooLarge,
    CannotOpen,
    ErrorSaving,

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
    SettingsNulByte,
    SettingsHeadingNotWhole,
    SettingsLineUnreadable,
    SettingsKeyTwice,
    SettingsCommentBeforeRepeatedSection,
    SettingsCommentAtEnd,
    CannotCreate,
    RecoveryFolderIsLink,
    NoRecoveryFolder,
    CannotRestore,
    RecoveryCopyDamaged,

    // The membership database.

    // Loading and matching players.

    // Importing a FIDE tournament report.

    // The standings.

    // Not a message: how many kinds there are.
    KindCount
};

} // namespace ranvik
