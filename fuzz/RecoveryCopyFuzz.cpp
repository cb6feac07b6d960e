// Arbitrary bytes as a recovery copy left in the folder: read as a copy of one file and as a
// description of the earlier form. A copy read must write back to the same bytes, and one
// restored must give a chart of cells a chart may hold, within a chart's counts.

#include "FuzzTarget.h"

#include "chart/CellText.h"
#include "recovery/RecoveryStore.h"

#include <cstdlib>
#include <string_view>

using namespace ranvik;

namespace {

void CheckRestored(const LeftCopy& copy) {
    Tournament tournament;
    Message message;
    if (!RecoveryStore::restore(copy, tournament, message)) {
        if (message.empty())
            std::abort();
        return;
    }
    if (tournament.numPlayers() < Tournament::MinPlayers ||
        tournament.numPlayers() > Tournament::MaxPlayers || !tournament.modified())
        std::abort();
    const Chart& chart = tournament.chart();
    for (int r = 1; r < chart.rowCount(); ++r) {
        for (int c = 0; c < chart.colCount(); ++c) {
            if (!CellTextFault(chart.cell(c, r)).empty())
                std::abort();
        }
    }
}

} // namespace

RANVIK_FUZZ_TARGET(recovery_copy) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<RecoveryCopyText> copy = ParseRecoveryCopy(bytes)) {
        const std::string again = EncodeRecoveryCopy(copy->description, copy->chartBytes);
        const std::optional<RecoveryCopyText> reread = ParseRecoveryCopy(again);
        if (!reread || reread->chartBytes != copy->chartBytes ||
            reread->description.chartFile != copy->description.chartFile ||
            reread->description.type != copy->description.type ||
            reread->description.players != copy->description.players)
            std::abort(); // what was read writes back as the same copy
        CheckRestored({copy->description, fuzz::ScratchFile(data, size, ".recovery"), {}});
    }
    if (const std::optional<RecoveryDescription> description = ParseRecoveryDescription(bytes)) {
        // The earlier form: the same bytes stand for the chart beside the description.
        if (description->chartLength < 0)
            CheckRestored({*description, "", fuzz::ScratchFile(data, size, ".tms")});
    }
    return 0;
}
