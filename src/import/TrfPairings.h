#pragma once
// The pairing checks of a tournament report file: start numbers, opponents that exist,
// both sides of each game telling the same story, and who met whom how often.

#include "import/TrfReader.h"

#include <cstdint>
#include <vector>

namespace ranvik {

enum class TrfResultClass { Win, Draw, Loss, Bye, None };

TrfResultClass ClassOfTrfResult(char code);

// Whether the round's entry pairs the player with an opponent (played, forfeited, scored
// without play, or paired and not yet played).
bool IsPairing(const TrfGame& game);

struct TrfPairings {
    std::vector<const TrfPlayer*> rows;  // rows[r - 1] is chart row r, by start number
    int maxRounds = 0;                   // the most rounds any line holds
    std::vector<std::uint16_t> meetings; // meetings[(a-1)*N + (b-1)] for rows a, b

    int players() const { return static_cast<int>(rows.size()); }
    int meetingCount(int rowA, int rowB) const {
        return meetings[static_cast<std::size_t>(rowA - 1) * rows.size() +
                        static_cast<std::size_t>(rowB - 1)];
    }
    // Chart row of a start number (which CheckTrfPairings found to exist).
    int rowOf(int startNumber) const;

    std::vector<std::pair<int, int>> startToRow; // sorted by start number
};

// Fills pairings, or gives false with the line and reason of the first fault.
bool CheckTrfPairings(const TrfFile& file, TrfPairings& pairings, TrfRefusal& refusal);

} // namespace ranvik
