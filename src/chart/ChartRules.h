#pragma once
// What a tournament type decides about its chart: the result columns and their headings,
// each player's own cells, where the other cell of a game lies and what it holds when the
// game agrees, and how a cell is scored and typed into. One object per type; the chart, the
// checks, the report, the standings and the import ask it instead of branching on the type.

#include "messages/Message.h"

#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

enum class TournamentType { Swiss = 0, RoundRobin = 1, DoubleRoundRobin = 2 };

// How a typed key is read in a column (see TypedKey.h).
enum class CellKind { Text, SwissResult, RoundRobinResult };

struct CellAt {
    int col = 0;
    int row = 0;
    bool operator==(const CellAt&) const = default;
};

class ChartRules {
  public:
    virtual ~ChartRules() = default;

    virtual TournamentType type() const = 0;
    // The report's type letter ("S", "R") and rounds field for a rounds count.
    virtual std::string_view reportLetter() const = 0;
    virtual std::string roundsField(int rounds) const = 0;

    // Swiss: a column is a round and its cells name their opponents ("W5"), pairings being
    // made round by round. Round robins: a column is an opponent, the pairings fixed.
    virtual bool columnsAreRounds() const = 0;
    // Result columns for the counts, and the heading of result column k (from 0).
    virtual int resultColumns(int players, int rounds) const = 0;
    virtual std::string heading(int k) const = 0;
    // Games a player has with `players` in the chart and that many result columns.
    virtual int gamesPerPlayer(int players, int resultColumns) const = 0;
    // Columns per opponent: 1 or 2 for the round robins, 0 for Swiss.
    virtual int gamesPerOpponent() const = 0;
    // The line a result column meets (round robins); 0 where the cells name it (Swiss).
    int opponentOfColumn(int col) const;
    // The first result column of the games against `line`; 0 for Swiss.
    int firstColumnAgainst(int line) const;
    // A cell where a player would meet himself, which holds exactly "X".
    bool isOwnCell(int col, int row) const;
    CellKind kindOf(int col) const;

    // The other cell of the game that `text` records in (col, row): nothing when the text
    // names no opponent (a bye, no number) or its own line. The caller checks the bounds.
    virtual std::optional<CellAt> otherCell(int col, int row, std::string_view text) const = 0;
    // What that other cell holds when the game agrees ("L3" for "W5" in line 3); nothing
    // for an entry without a mirror (an unknown letter, #, $ or %, an own cell's X).
    virtual std::optional<std::string> mirrorText(std::string_view text, int row) const = 0;
    // How a committed entry is kept (a round robin draw typed "1/2" becomes "=").
    virtual std::string entered(std::string_view text) const { return std::string(text); }
    // Half points of a result cell.
    virtual int points(std::string_view text) const = 0;
};

const ChartRules& RulesFor(TournamentType type);

// A cell as the director finds it on screen, by its line and its column's heading:
// "Line 4, name", "Line 4, Rd 1" (Swiss), "Line 4, player 7" (round robins).
Message CellPlace(const ChartRules& rules, int row, int col);

} // namespace ranvik
