#pragma once
// What the recovery driver types into the window before it is killed: a four-player round
// robin saved as spring6.tms, then names and results typed after the save.

#include <string>
#include <vector>

namespace ranvik::test {

struct TypedCell {
    int col;
    int row;
    std::string text;
};

inline constexpr int TypedPlayers = 4;
inline constexpr const char* TypedChartName = "spring6.tms";

// Typed in this order; the round robin's opponent update fills the mirror cells.
inline const std::vector<TypedCell>& TypedCells() {
    static const std::vector<TypedCell> cells = {
        {1, 1, "Ada Lovelace"},
        {3, 1, "1850"},
        {1, 2, "Boris Pasternak"},
        {3, 2, "1712"},
        {1, 3, "Clara Zetkin"},
        {1, 4, "Dmitri Volkov"},
        {5, 1, "1"},
        {6, 1, "="},
        {7, 3, "0"},
    };
    return cells;
}

} // namespace ranvik::test
