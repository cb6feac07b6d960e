#pragma once
// Charts and scripted inconsistency answers for the validation tests.

#include "Charts.h"
#include "validation/Validation.h"

#include <string>
#include <vector>

namespace ranvik::test {

// A started chart of the given type and counts with every player named "P<row>".
inline Tournament NamedChart(TournamentType type, int players, int rounds = 1) {
    Tournament t = StartedChart(type, players, rounds);
    for (int r = 1; r <= players; ++r)
        t.chart().setCell(1, r, "P" + std::to_string(r));
    return t;
}

// Answers every message with the same button and records what it was shown.
struct ScriptedPrompt {
    InconsistencyAnswer answer = InconsistencyAnswer::Ignore;
    std::vector<std::string> shown;

    InconsistencyPrompt prompt() {
        return [this](const Message& message) {
            shown.push_back(English(message));
            return answer;
        };
    }
};

} // namespace ranvik::test
