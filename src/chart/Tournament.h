#pragma once
// The chart of one tournament section with its shape: the players and rounds counts, the
// tournament type, the modified state and the cell the opponent update works on. Every
// change to cells goes through here, never through a view.

#include "chart/Chart.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ranvik {

enum class TournamentType { Swiss = 0, RoundRobin = 1, DoubleRoundRobin = 2 };

class Tournament {
  public:
    static constexpr int MinPlayers = 2;
    static constexpr int MaxPlayers = 1000;
    static constexpr int MinRounds = 1;
    static constexpr int MaxRounds = 28;
    static constexpr int StartPlayers = 10;
    static constexpr int StartRounds = 1;

    Tournament();

    // Makes every change to the chart and its shape during its life one undo step; steps
    // opened inside it join it. Wrap any operation: `Tournament::Step step(t, "Paste");`.
    class Step {
      public:
        Step(Tournament& tournament, std::string name);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

      private:
        Tournament& tournament_;
    };
    void beginStep(std::string name);
    void endStep();

    // Undo and redo: false when there is nothing to undo or redo. The shape comes back
    // with the cells, and the modified state follows (back at the saved step: unmodified).
    bool undo();
    bool redo();
    const ChartHistory& history() const { return chart_.history(); }
    // The chart as it stands becomes the start of a fresh history (New, Open).
    void forgetHistory();
    // The edit typed into a cell is done (its opponent update, if any, has run).
    void finishCellEdit();
    ChartShape shape() const;
    // Filled result cells the last step overwrote or hid (own "X" marks not counted).
    int resultsLostByLastStep() const;

    Chart& chart() { return chart_; }
    const Chart& chart() const { return chart_; }

    // The shape of the chart.
    int numPlayers() const { return numPlayers_; }
    int numRounds() const { return numRounds_; }
    TournamentType type() const { return type_; }
    bool isSwiss() const { return type_ == TournamentType::Swiss; }
    bool roundsEnabled() const { return roundsEnabled_; }
    // Player rows of the chart as it stands (row count - 1).
    int playerRows() const { return chart_.rowCount() - 1; }

    // Setting a count behaves like its spin box: the value is brought within range, and
    // the change handler runs only when the value really changes.
    void setNumPlayers(int value);
    void setNumRounds(int value);
    // Choosing a type runs the type's layout when it differs from the current one.
    void setType(TournamentType type);

    // Sets the players count for a caller that writes every visible cell right after (a
    // chart file load): the layout of the current type runs as the players box would run
    // it, once, but without the own-cell marks the caller's cells replace anyway.
    void setPlayersForFileLoad(int value);

    // The chart part of the window's first activation: 10 players, 1 round, Swiss.
    void layOutStartChart();

    // Layouts: rows for the players, then a column per round (Swiss), per opponent (round
    // robin) or two per opponent (double round robin), own cells marked "X".
    void layOutSwiss();
    void layOutRoundRobin();
    void layOutDoubleRoundRobin();
    // Result columns for the rounds count, headings "Rd 1"... (Swiss only).
    void fitColumnsToRounds();
    // What a change of each count or of the type does to the chart.
    void roundsChanged();
    void playersChanged();
    void layOutForType();

    // Modified when flagged or away from the saved step of the history; false marks the
    // chart as it stands saved.
    bool modified() const;
    void setModified(bool modified);

    // Editing: the cell the opponent update works on.
    int editCol() const { return editCol_; }
    int editRow() const { return editRow_; }
    const std::string& editText() const { return editText_; }
    bool updatesOpponents() const { return autoUpdate_; }
    void toggleOpponentUpdates() { autoUpdate_ = !autoUpdate_; }

    static constexpr char32_t Enter = U'\r';
    static constexpr char32_t Backspace = U'\b';
    // A character typed into the chart with (col, row) current. Gives the character the
    // cell should receive, or nothing when the key is dropped. Enter runs the update.
    std::optional<char32_t> filterTypedKey(char32_t key, int col, int row);
    // The current cell is about to move from (editCol, editRow) to (newCol, newRow).
    void moveToCell(int newCol, int newRow);
    // The editor of (col, row) opens.
    void beginEditing(int col, int row);
    // The opponent update of the cell last edited: writes the mirror of its result into the
    // opponent's cell of the same game.
    void writeSwissMirror();
    void writeRoundRobinMirror();

    // Row operations.
    void clearAllResults();
    // Moves the players below up by one; the last row keeps a copy of the row beyond it.
    void deleteRow(int row);
    // Moves rows at..last-1 down by one (the last row's cells are overwritten) and empties
    // row `at`; the caller grows the chart first when the last row holds a player.
    void openRowAt(int at);
    // Empties every visible cell but the line numbers and headings (New).
    void clearAllCells();
    // Empties the given cells (Delete, Backspace, Cut): no opponent update.
    void clearCells(const std::vector<std::pair<int, int>>& cells);
    // Writes a block of texts with its top left at (col, row) as they are (no opponent
    // update); columns beyond the chart are dropped, rows beyond it are not written.
    void writeBlock(int col, int row, const std::vector<std::vector<std::string>>& block);

    // Sort by rating; false (and nothing changed) for round robin types.
    bool sortByRating();
    // Position of an old row after the last sort; 0 when none.
    int rowAfterSort(int oldRow) const;
    // Sort key of a chart row: its rating read as a whole number, 0 when it does not read.
    int ratingSortKey(int row) const;

    // Called after the counts, the type or whether rounds can be set change.
    std::function<void()> onShapeChanged;

  private:
    void numberRows();
    void renumberOpponents(int from, int delta, int skip);
    void applyRestore(const HistoryRestore& restore);
    void normaliseDraw();
    void setSwissHeadings();
    void markOwnCells();
    void shapeChanged();

    Chart chart_;
    int numPlayers_ = StartPlayers;
    int numRounds_ = StartRounds;
    TournamentType type_ = TournamentType::Swiss;
    bool roundsEnabled_ = true;
    bool modified_ = false;
    int editCol_ = 0;
    int editRow_ = 0;
    std::string editText_;
    bool autoUpdate_ = true;
    bool ownMarksSuspended_ = false; // during setPlayersForFileLoad
    std::vector<int> sortOrder_;     // sortOrder_[k] = old row of the player now in row k
};

} // namespace ranvik
