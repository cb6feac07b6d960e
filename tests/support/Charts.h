#pragma once
// Charts the test programs start from.

#include "chart/Tournament.h"

namespace ranvik::test {

// A started chart laid out for the type, then the counts: players, then rounds.
inline Tournament StartedChart(TournamentType type, int players, int rounds = 1) {
    Tournament t;
    t.layOutStartChart();
    t.setType(type);
    t.setNumPlayers(players);
    t.setNumRounds(rounds);
    return t;
}

// A started chart with the rounds set before the type and players, unmodified: what the
// editing and history tests type into.
inline Tournament UnmodifiedChart(TournamentType type, int players, int rounds = 3) {
    Tournament t;
    t.layOutStartChart();
    t.setNumRounds(rounds);
    t.setType(type);
    t.setNumPlayers(players);
    t.setModified(false);
    return t;
}

} // namespace ranvik::test
