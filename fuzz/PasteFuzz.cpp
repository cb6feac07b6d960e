// Arbitrary bytes as the clipboard, pasted into a chart: the first byte picks the type and the
// cell the paste starts at. A refusal says why without a control character and pastes
// nothing; a block taken stays within a chart's bounds, and every cell it leaves is one a chart
// may hold.

#include "FuzzTarget.h"

#include "chart/CellText.h"
#include "chart/TabSeparated.h"
#include "chart/Tournament.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

RANVIK_FUZZ_TARGET(paste) {
    if (size == 0)
        return 0;
    constexpr PasteBounds bounds{Tournament::MaxPlayers,
                                 ChartColumn::FirstResult + 2 * Tournament::MaxPlayers};
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const PastedBlock block = ReadPastedBlock(text, bounds);
    if (!block.fault.empty()) {
        if (!block.rows.empty() || FirstControlByte(English(block.fault)) != std::string_view::npos)
            std::abort();
        return 0;
    }
    if (block.rows.size() > bounds.lines)
        std::abort();
    for (const auto& row : block.rows) {
        if (row.size() > bounds.cells)
            std::abort();
    }
    Tournament tournament;
    tournament.setType(static_cast<TournamentType>(data[0] % 3));
    tournament.layOutStartChart();
    tournament.pasteBlock(1 + (data[0] >> 2) % 4, 1 + (data[0] >> 4) % 8, block.rows);
    const Chart& chart = tournament.chart();
    for (int r = 1; r < chart.rowCount(); ++r) {
        for (int c = 0; c < chart.colCount(); ++c) {
            if (!CellTextFault(chart.cell(c, r)).empty())
                std::abort();
        }
    }
    return 0;
}
