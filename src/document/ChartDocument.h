#pragma once
// One chart being edited: the tournament, its file, the event's rating system and whether
// it changed since it was saved. Runs New, Open, Save, Save as and the close question, and
// starts the workflows that work on the chart (the report, loading a member, matching the
// players, the TRF import, the standings' exports), each an object of its own; every
// caller is told what happened, and questions go through DocumentPrompts.

#include "document/DocumentPrompts.h"
#include "document/ImportTrfWorkflow.h"
#include "document/LoadPlayerWorkflow.h"
#include "document/MatchPlayersWorkflow.h"
#include "document/Outcome.h"
#include "document/ReportWorkflow.h"
#include "files/ChartFile.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

struct SaveResult {
    Outcome outcome = Outcome::Done;
    std::string path;
    // Why it failed, as the window tells it; reason alone, for other callers.
    Message message;
    Message reason;
    bool cannotEncode = false; // a cell the file cannot carry (nothing was written)
};

struct OpenResult {
    Outcome outcome = Outcome::Done;
    Message message;
    Message reason;
    bool unreadable = false; // the file could not be read at all (versus not a chart)
};

class ChartDocument {
  public:
    explicit ChartDocument(DocumentPrompts& prompts);

    Tournament& tournament() { return tournament_; }
    const Tournament& tournament() const { return tournament_; }
    bool isModified() const { return tournament_.modified(); }
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string path) { fileName_ = std::move(path); }
    std::optional<RatingSystem> ratingSystem() const { return ratingSystem_; }
    void setRatingSystem(std::optional<RatingSystem> system) { ratingSystem_ = system; }
    // Asks the rating system when none is known yet; nothing when the question is cancelled.
    std::optional<RatingSystem> ensureRatingSystem();
    // The tournament information the last report was given in this run, once it passed.
    const std::optional<TournamentInfo>& tournamentInfo() const { return tournamentInfo_; }

    // The chart of a new program: 10 players, 1 round, Swiss.
    void start();

    Outcome newChart();
    // The file chooser, then as openChosen.
    OpenResult open();
    // Open with the file already chosen (Open recent, a chart named on the program's command
    // line): the type question proposing what the file's shape suggests, then the save
    // question. A cancelled question or a file that is no chart leaves the chart, its type,
    // its history and its file name as they were.
    OpenResult openChosen(const std::string& path);
    // Reads a chart file under a type, with no questions (the command line); a refused file
    // changes nothing.
    OpenResult openFile(const std::string& path, TournamentType type);
    SaveResult save();
    SaveResult saveAs();
    // Writes the chart to path, which becomes its file once the write succeeded.
    SaveResult saveTo(const std::string& path);
    // True when the document may be closed.
    bool mayClose();

    ValidationResult validate();
    ReportResult createReport() { return ReportWorkflow(*this, prompts_).run(); }

    Outcome clearAllResults();
    // Asks first when the row holds anything (own "X" marks aside) or results name it,
    // saying how many of those it clears with it.
    Outcome deleteRow(int row);
    // A count or the type as the director sets it: asks first when filled lines or results
    // would be dropped or overwritten; Cancelled leaves everything as it was.
    Outcome setPlayers(int players);
    Outcome setRounds(int rounds);
    Outcome setType(TournamentType type);
    // An empty row above `row`; the chart grows when its last row holds anything.
    Outcome insertRowAbove(int row);
    // Writes tab-separated text with its top left at (col, row) as it is, as one step,
    // growing the players count when the block needs more rows; refused (with a message)
    // beyond the largest chart.
    Outcome paste(int col, int row, std::string_view text);
    // The cells of the rectangle as tab-separated text; cut also empties them (one step).
    std::string copyCells(int col0, int row0, int col1, int row1) const;
    std::string cutCells(int col0, int row0, int col1, int row1);
    // False (with the message shown) for round robin charts.
    bool sortByRating();

    // Loads the ordering's current member into `selectedRow` or where the user chooses.
    LoadPlayerResult loadPlayer(const MemberTable* table, const MemberOrdering* ordering,
                                int selectedRow) {
        return LoadPlayerWorkflow(*this, prompts_).run(table, ordering, selectedRow);
    }
    ImportResult importTrf() { return ImportTrfWorkflow(*this, prompts_).run(); }
    MatchResult matchPlayers(const MemberTable* table) {
        return MatchPlayersWorkflow(*this, prompts_).run(table);
    }
    bool validateForStandings();
    SaveResult writeStandings(const std::string& path, const std::string& bytes);
    // Keeps recovery copies of the unsaved chart and locks of open chart files in this
    // folder (the window does; the command line does not).
    void enableRecovery(const std::string& folder);
    const RecoveryStore* recovery() const { return recovery_.get(); }
    // Writes the recovery copy of a modified chart, removes that of an unmodified one; false
    // with the reason when the write failed (the chart itself is untouched).
    bool updateRecoveryCopy(Message& reason);
    // The same in two steps for a caller that writes on another thread: the copy to write,
    // or nothing (the copy removed) when the chart is unmodified or recovery is off.
    std::optional<RecoverySnapshot> takeRecoverySnapshot();
    RecoveryStore* recoveryStore() { return recovery_.get(); }
    // Offers the copies left by programs that died, in one question; true when one was
    // restored.
    bool offerRecoveryCopies();

    // For the workflows: the chart's file and its saved state.
    // Writes the bytes (a cell they cannot hold is shown and refused); changes no state.
    SaveResult writeChart(const std::string& path, const ChartBytes& content);
    // The chart was written to path, its file from now on: no longer modified.
    void savedAs(const std::string& path);
    // Whether path is the chart's own file (the same file, by whatever name).
    bool isOwnFile(const std::string& path) const;
    // Whether path, the chosen name with its extension added, may be written: an existing
    // file the chooser never showed is replaced only when the user agrees.
    bool mayReplaceCompletedName(const std::string& chosen, const std::string& path);
    void setTournamentInfo(TournamentInfo info) { tournamentInfo_ = std::move(info); }
    // One more player line; refused (and said) beyond the largest chart.
    bool addRow();

  private:
    bool saveBeforeGoingOn();
    // Asks whether to save a modified chart about to be replaced or closed: false when the
    // user cancels or the save they asked for did not happen.
    bool mayReplaceChart(const Message& question);
    OpenResult readChart(const std::string& path, std::string_view bytes, TournamentType type);
    // The chart is saved, new or freshly opened: no recovery copy, the lock on its file.
    void changesSettled();
    // False when another program holds the chart and the user would rather not open it.
    bool mayOpenHeldChart(const std::string& path);

    DocumentPrompts& prompts_;
    Tournament tournament_;
    std::string fileName_;
    std::optional<RatingSystem> ratingSystem_;
    std::optional<TournamentInfo> tournamentInfo_;
    std::unique_ptr<RecoveryStore> recovery_;
};

} // namespace ranvik
