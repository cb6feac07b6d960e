#pragma once
// Charts for the standings tests, typed cell by cell.

#include "chart/Tournament.h"

#include <string>
#include <vector>

namespace ranvik::test {

// rows[i] is line i + 1: its name, then its result cells (round robins: every result
// column, the own cells' "X" included). Swiss charts get as many rounds as the longest row.
inline Tournament MakeChart(TournamentType type,
                            const std::vector<std::vector<std::string>>& rows) {
    Tournament tournament;
    tournament.layOutStartChart();
    tournament.setType(type);
    tournament.setNumPlayers(static_cast<int>(rows.size()));
    std::size_t rounds = 1;
    for (const auto& row : rows)
        rounds = std::max(rounds, row.size() - 1);
    if (type == TournamentType::Swiss)
        tournament.setNumRounds(static_cast<int>(rounds));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int line = static_cast<int>(r) + 1;
        tournament.chart().setCell(1, line, rows[r][0]);
        tournament.chart().setCell(3, line, std::to_string(2000 - 10 * line));
        for (std::size_t k = 1; k < rows[r].size(); ++k)
            tournament.chart().setCell(ChartColumn::FirstResult + static_cast<int>(k) - 1, line,
                                       rows[r][k]);
    }
    return tournament;
}

} // namespace ranvik::test
