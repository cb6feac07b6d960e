#pragma once
// Charts the test programs start from.

#include "chart/Tournament.h"
#include "chart/TypedKey.h"

#include <string>

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

// The keys typed into (col, row), each through the chart's key rules (a backspace takes
// the last character back), and committed. The tests type ASCII only.
inline void TypeAndEnter(Tournament& t, int col, int row, const std::u32string& keys) {
    std::string text;
    for (const char32_t key : keys) {
        if (key == U'\b' && !text.empty())
            text.pop_back();
        else if (const auto out = TypedKey(key, t.rules().kindOf(col), text); out && key != U'\b')
            text += static_cast<char>(*out);
    }
    t.enterCell(col, row, text);
}

} // namespace ranvik::test
