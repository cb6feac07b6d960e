#pragma once
// The chart of one tournament section with its shape: the players and rounds counts and the
// tournament type, whose rules lay the chart out and say how the two cells of a game
// relate. Every change to cells goes through here as one of the director's operations, each
// one undo step; the chart is modified exactly when it differs from the saved step.

#include "chart/Chart.h"
#include "chart/ChartRules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

// Filled result cells a layout would overwrite (with own "X" marks, or by emptying an "X"
// that is a result) or hide beyond the chart's new edge.
struct LayoutLoss {
    int overwritten = 0;
    int hidden = 0;
    bool any() const { return overwritten + hidden > 0; }
};

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
    // opened inside it join it. Wrap any operation: `Tournament::Step step(t,
    // Message(MessageKind::UndoPaste));`.
    class Step {
      public:
        Step(Tournament& tournament, Message name);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

      private:
        Tournament& tournament_;
    };
    void beginStep(Message name);
    void endStep();

    // Undo and redo: false when there is nothing to undo or redo. The shape comes back
    // with the cells.
    bool undo();
    bool redo();
    const ChartHistory& history() const { return chart_.history(); }
    // The chart as it stands becomes the start of a fresh history (New, Open).
    void forgetHistory();
    // Cells written straight into the chart, outside any operation, become one undo step.
    void finishCellEdit();
    ChartShape shape() const;

    Chart& chart() { return chart_; }
    const Chart& chart() const { return chart_; }

    // The shape of the chart.
    int numPlayers() const { return numPlayers_; }
    int numRounds() const { return numRounds_; }
    TournamentType type() const { return type_; }
    const ChartRules& rules() const { return RulesFor(type_); }
    // Player rows of the chart as it stands (row count - 1).
    int playerRows() const { return chart_.rowCount() - 1; }

    // A count is brought within its range, and the chart laid out again only when the value
    // really changes. The rounds count lays out only a chart whose columns are rounds.
    void setNumPlayers(int value);
    void setNumRounds(int value);
    // Choosing a type lays the chart out for it when it differs from the current one.
    void setType(TournamentType type);
    // What laying the chart out for these counts and type would overwrite or hide.
    LayoutLoss layoutLoss(TournamentType type, int players, int rounds) const;
    // Lines from `first` to the last that hold a name or results (own "X" marks aside).
    int linesHoldingAnythingFrom(int first) const;
    bool lineHoldsAnything(int row) const;

    // Sets the players count for a caller that writes every visible cell right after (a
    // chart file load): the layout of the current type runs once, but without the own-cell
    // marks the caller's cells replace anyway.
    void setPlayersForFileLoad(int value);

    // A new program's chart: 10 players, 1 round, Swiss.
    void layOutStartChart();
    // Lays the chart out for the players count again (rows, and a round robin's columns).
    void playersChanged();

    // Modified when the chart is away from the saved step of the history. false marks the
    // chart as it stands saved; true forgets the saved step (a chart no file holds).
    bool modified() const;
    void setModified(bool modified);

    // Whether entering a result also writes the opponent's cell of the same game.
    bool updatesOpponents() const { return autoUpdate_; }
    void toggleOpponentUpdates() { autoUpdate_ = !autoUpdate_; }

    // The director's operations on cells, each one undo step. Results keep both cells of a
    // game right: see docs/ARCHITECTURE.md, "The road of a typed result".
    //
    // Enters a cell's text as the director committed it (Enter, or leaving an edited cell):
    // a result naming an opponent writes the mirror into the opponent's cell, and the old
    // opponent's cell is emptied while it still holds the exact mirror of the old result.
    // Entering a cell's own text again writes its mirror again.
    void enterCell(int col, int row, std::string_view text);
    // Empties the cells (Delete, Backspace, Cut), and the old opponents' exact mirrors.
    void clearCells(const std::vector<CellAt>& cells);
    // Writes a block of texts with its top left at (col, row) as they are; the cells it
    // replaces lose their old opponents' exact mirrors. Columns beyond the chart are
    // dropped, rows beyond it are not written.
    void pasteBlock(int col, int row, const std::vector<std::vector<std::string>>& block);

    // Row operations. Every result keeps naming the same player.
    void clearAllResults();
    // Results in other lines that name the line (its games' other halves).
    int resultsNaming(int row) const;
    // Empties those results and moves the players below up by one; the last row keeps a
    // copy of the row beyond it.
    void deleteRow(int row);
    // Moves rows at..last-1 down by one (the last row's cells are overwritten) and empties
    // row `at`; the caller grows the chart first when the last row holds a player.
    void openRowAt(int at);
    // Empties every visible cell but the line numbers and headings (New).
    void clearAllCells();

    // Sort by rating; false (and nothing changed) when the columns are not rounds.
    bool sortByRating();
    // Position of an old row after the last sort; 0 when none.
    int rowAfterSort(int oldRow) const;
    // Sort key of a chart row: its rating read as a whole number, 0 when it does not read.
    int ratingSortKey(int row) const;

    // Called after the counts or the type change.
    std::function<void()> onShapeChanged;

  private:
    // "Result W5 in line 3", "Name in line 3": an edit as Undo names it.
    static Message editName(int col, int row, std::string_view text);
    void layOut();
    void fitColumnsToRounds();
    void numberRows();
    void setHeadings();
    void markOwnCells();
    void markOwnCellsOf(int row);
    void shapeChanged();
    void applyRestore(const HistoryRestore& restore);

    // The other cell of the game `text` records in (col, row), within the visible chart.
    std::optional<CellAt> gameCell(int col, int row, std::string_view text) const;
    // The results in other lines whose game's other cell lies in `row`.
    std::vector<CellAt> cellsNaming(int row) const;
    // After (col, row) went from `before` to `now`: empties the old opponent's cell when it
    // holds the exact mirror of `before` and `now` does not put that same mirror there.
    void dropStaleMirror(int col, int row, std::string_view before, std::string_view now);
    void writeMirror(int col, int row, std::string_view text);
    // Moves the lines from `from` on by delta (-1: up over a deleted line, +1: down), with
    // every reference to them: Swiss opponent numbers, or a round robin's columns.
    void renumberOpponents(int from, int delta);
    void moveResultColumns(int from, int delta);

    Chart chart_;
    int numPlayers_ = StartPlayers;
    int numRounds_ = StartRounds;
    TournamentType type_ = TournamentType::Swiss;
    bool autoUpdate_ = true;
    bool ownMarksSuspended_ = false; // during setPlayersForFileLoad
    std::vector<int> sortOrder_;     // sortOrder_[k] = old row of the player now in row k
};

} // namespace ranvik
