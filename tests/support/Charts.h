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

// The text the keys leave in a cell's editor, each key through the chart's key rules (a
// backspace takes the last character back).
inline std::string Typed(const Tournament& t, int col, const std::u32string& keys) {
    std::u32string kept;
    std::string text;
    for (const char32_t key : keys) {
        if (key == U'\b') {
            if (!kept.empty())
                kept.pop_back();
        } else if (const auto out = TypedKey(key, t.rules().kindOf(col), text)) {
            kept += *out;
        }
        text.clear();
        for (const char32_t c : kept) { // UTF-8; the tests type nothing beyond U+07FF
            if (c < 0x80) {
                text += static_cast<char>(c);
            } else {
                text += static_cast<char>(0xC0 | (c >> 6));
                text += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    }
    return text;
}

// The keys typed into (col, row) and committed.
inline void TypeAndEnter(Tournament& t, int col, int row, const std::u32string& keys) {
    t.enterCell(col, row, Typed(t, col, keys));
}

} // namespace ranvik::test
