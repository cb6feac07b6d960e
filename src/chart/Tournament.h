#pragma once
// The chart together with the state the main window keeps about it: the two counts,
// the tournament type, the Modified flag and the cell the opponent update works on.
// Every change to cells goes through here, never through the view.

#include "chart/Chart.h"

#include <functional>
#include <optional>
#include <string>
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

    Chart& chart() { return chart_; }
    const Chart& chart() const { return chart_; }

    // The controls' values.
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
    void SetPlayersForFill(int value);

    // The chart part of the window's first activation: 10 players, 1 round, Swiss.
    void FirstActivation();

    // Layouts.
    void SetGridFromNumPlayersAndRounds();
    void SetGridFromNumPlayers();
    void SetGridFromNumPlayersDouble();
    void NumRndsSEChangeSwiss();
    void NumRndsSEChange();
    void NumPlayersSEChange();
    void RadioGroup1Click();

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Editing: the cell the opponent update works on.
    int editCol() const { return editCol_; }
    int editRow() const { return editRow_; }
    const std::string& editText() const { return editText_; }
    bool autoUpdate() const { return autoUpdate_; }
    void AutoUpdateMenuClick() { autoUpdate_ = !autoUpdate_; }

    static constexpr char32_t Enter = U'\r';
    static constexpr char32_t Backspace = U'\b';
    // A character typed into the chart with (col, row) current. Gives the character the
    // cell should receive, or nothing when the key is dropped. Enter runs the update.
    std::optional<char32_t> StringGrid1KeyPress(char32_t key, int col, int row);
    // The current cell is about to move from (editCol, editRow) to (newCol, newRow).
    void StringGrid1SelectCell(int newCol, int newRow);
    // The editor of (col, row) opens.
    void StringGrid1GetEditText(int col, int row);
    void UpdateGrid();
    void UpdateGridRR();

    // Edit menu (the confirmation of Clear all results is the window's).
    void ClearAllResults();
    void DeleteRow(int row);

    // Sort by rating; false (and nothing changed) for round robin types.
    bool SortPlayersBtnClick();
    // Position of an old row after the last sort; 0 when none.
    int NewRowOf(int oldRow) const;
    // Sort key of a chart row: its rating read as a whole number, 0 when it does not read.
    int SortKey(int row) const;

    // Called after the counts, the type or the rounds box's enabled state change.
    std::function<void()> onControlsChanged;

private:
    void numberRows();
    void setSwissHeadings();
    void markOwnCells();
    void controlsChanged();

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
    bool ownMarksSuspended_ = false; // during SetPlayersForFill
    std::vector<int> sortOrder_; // sortOrder_[k] = old row of the player now in row k
};

} // namespace ranvik
