// Arbitrary bytes read as a tournament report file, under each type choice; an import that
// succeeds must give a chart of its own counts that fills a tournament.

#include "FuzzTarget.h"

#include "import/TrfImport.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

RANVIK_FUZZ_TARGET(trf_import) {
    if (size == 0)
        return 0;
    // The first byte picks the type, so every choice sees every kind of file.
    const auto choice = static_cast<TrfTypeChoice>(data[0] % 4);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const TrfImport imported = ImportTrf(bytes, choice);
    if (!imported.ok) {
        if (imported.reason.empty() || imported.line < 0)
            std::abort(); // a refusal always says why
        return 0;
    }
    if (static_cast<int>(imported.cells.size()) != imported.players || imported.players < 1 ||
        imported.players > Tournament::MaxPlayers)
        std::abort();
    for (const auto& row : imported.cells)
        if (row.size() != imported.cells.front().size())
            std::abort();
    Tournament tournament;
    tournament.layOutStartChart();
    FillTournament(imported, tournament);
    if (tournament.type() != imported.type || !tournament.modified())
        std::abort();
    ImportSummary(imported);
    return 0;
}
