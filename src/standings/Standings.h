#pragma once
// The standings list: every player's rank, points and tie-breaks, in standings order.
// A plain value the window shows as a model and the exports write out.

#include "chart/Tournament.h"
#include "standings/ChartGames.h"
#include "standings/TieBreak.h"

#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

struct StandingsRow {
    int rank = 0;     // the first place of a shared place
    int rankLast = 0; // the last place it shares; equal to rank when not shared
    int line = 0;
    std::string name;
    std::string member;
    std::string rating;
    int points = 0;                  // half points
    std::vector<int> tieBreakValues; // quarter points, one per tie-break in use
};

struct Standings {
    TournamentType type = TournamentType::Swiss;
    int rounds = 0; // rounds (Swiss) or games per player
    std::vector<TieBreak> tieBreaks;
    std::vector<StandingsRow> rows; // standings order
    std::vector<int> rankOfLine;    // rankOfLine[line]; index 0 unused
};

// Ranks by points, then each tie-break in turn (higher first); players equal in all share
// the place and stay in line order. The chart should have passed validation.
Standings ComputeStandings(const Tournament& tournament, const std::vector<TieBreak>& tieBreaks);

// The same from games already read (the window keeps them while the order is edited).
Standings ComputeStandings(const Tournament& tournament, const ChartGames& games,
                           const std::vector<TieBreak>& tieBreaks);

// Every player's score (half points, scores[line - 1]) and the score the opponents'
// tie-breaks see, where a withdrawal's rounds count as draws.
struct TieBreakScores {
    std::vector<int> scores;
    std::vector<int> seen;
};
TieBreakScores ScoresOf(const ChartGames& games);

// One tie-break for every player: values[line - 1] in quarter points.
std::vector<int> TieBreakValues(const ChartGames& games, const TieBreak& tieBreak);
std::vector<int> TieBreakValues(const ChartGames& games, const TieBreakScores& scores,
                                const TieBreak& tieBreak);

// "3" or "3–4" (an en dash between the places of a shared place).
std::string RankText(const StandingsRow& row);

// A value in quarter points with two decimals and a point: 10 -> "2.50".
std::string FixedTwo(int quarters);

// Half points as a score: 5 -> "2½", 4 -> "2", 1 -> "½".
std::string ScoreWithHalf(int halfPoints);

// A value in quarter points in the same style, a quarter with two decimals after the given
// separator: 10 -> "2½", 8 -> "2", 9 -> "2.25" with ".", "2,25" with ",".
std::string QuartersWithHalf(int quarters, std::string_view decimalSeparator);

} // namespace ranvik
