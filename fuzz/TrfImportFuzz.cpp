// Arbitrary bytes read as a tournament report file, under each type choice; an import that
// succeeds must give a chart of its own counts that fills a tournament, cells a chart file
// can hold, and round robin games whose two cells the chart's check accepts; no message
// carries a control character.

#include "FuzzTarget.h"

#include "chart/CellText.h"
#include "chart/ResultNotation.h"
#include "import/TrfImport.h"
#include "validation/Validation.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

namespace {

bool HasControl(std::string_view text, char allowed) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && c != allowed)
            return true;
    return false;
}

// Both cells of every game add up to one win, as the round robin check wants them.
bool RoundRobinCellsAgree(const TrfImport& imported) {
    for (std::size_t r = 1; r <= imported.cells.size(); ++r) {
        const auto& row = imported.cells[r - 1];
        for (std::size_t c = ChartColumn::FirstResult; c < row.size(); ++c) {
            const RoundRobinGame game =
                RoundRobinGameOf(RulesFor(imported.type), static_cast<int>(r), static_cast<int>(c));
            if (game.opponent == static_cast<int>(r))
                continue;
            const std::string& mirror = imported.cells[static_cast<std::size_t>(game.opponent) - 1]
                                                      [static_cast<std::size_t>(game.mirrorCol)];
            if (RoundRobinResultsDisagree(row[c] == "X", RoundRobinPoints(row[c]),
                                          RoundRobinPoints(mirror)))
                return false;
        }
    }
    return true;
}

} // namespace

RANVIK_FUZZ_TARGET(trf_import) {
    if (size == 0)
        return 0;
    // The first byte picks the type, so every choice sees every kind of file.
    const auto choice = static_cast<TrfTypeChoice>(data[0] % 4);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const TrfImport imported = ImportTrf(bytes, choice);
    if (!imported.ok) {
        if (imported.reason.empty() || imported.line < 0 || HasControl(English(imported.reason), 0))
            std::abort(); // a refusal always says why, in printable text
        return 0;
    }
    if (static_cast<int>(imported.cells.size()) != imported.players || imported.players < 1 ||
        imported.players > Tournament::MaxPlayers)
        std::abort();
    for (const auto& row : imported.cells) {
        if (row.size() != imported.cells.front().size())
            std::abort();
        for (const std::string& cell : row)
            if (!CellTextFault(cell).empty())
                std::abort();
    }
    if (imported.type != TournamentType::Swiss && imported.players >= 2 &&
        !RoundRobinCellsAgree(imported))
        std::abort();
    Tournament tournament;
    tournament.layOutStartChart();
    FillTournament(imported, tournament);
    if (tournament.type() != imported.type || !tournament.modified())
        std::abort();
    if (HasControl(English(ImportSummary(imported)), '\n'))
        std::abort();
    return 0;
}
