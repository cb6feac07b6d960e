#pragma once
// Every player's rounds read from the chart: who the opponent was, the points, and whether
// the round was played, forfeited or a bye. The tie-breaks and the cross-table work on this.

#include "chart/Tournament.h"

#include <vector>

namespace ranvik {

enum class RoundKind {
    Played,
    ForfeitWin,
    ForfeitDraw,
    ForfeitLoss,
    FullBye, // B, or a win with no opponent (typing turns B into W)
    HalfBye, // H, or a draw with no opponent
    ZeroBye, // U, or a loss with no opponent
    Absent,  // an empty cell
};

struct RoundEntry {
    int opponent = 0; // the opponent's line; 0 for none
    int points = 0;   // half points
    RoundKind kind = RoundKind::Absent;
};

bool IsForfeit(RoundKind kind);
// A round the player chose not to play (regulations' "voluntarily unplayed round").
bool IsVoluntarilyUnplayed(RoundKind kind);
// A bye asked for or an absence: the rounds of a withdrawal.
bool IsRequestedAbsence(RoundKind kind);

struct ChartGames {
    TournamentType type = TournamentType::Swiss;
    int players = 0;
    int rounds = 0;                  // rounds (Swiss) or games per player (round robins)
    std::vector<RoundEntry> entries; // players x rounds, row-major; line n at n - 1
    const RoundEntry* roundsOf(int line) const {
        return entries.data() + static_cast<std::size_t>(line - 1) * rounds;
    }
    // The most points a player could have scored, in half points.
    int maxPoints() const { return 2 * rounds; }
    const ChartRules& rules() const { return RulesFor(type); }
};

// Reads the visible chart (player rows 1 to playerRows). Swiss cells go through
// ParseResult, round robin cells through RoundRobinPoints; the own cells are skipped.
ChartGames ReadChartGames(const Tournament& tournament);

} // namespace ranvik
