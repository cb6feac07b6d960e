// The recovery copy of a full chart: written on the window's thread between keystrokes, so
// it has to stay short.

#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "recovery/RecoveryStore.h"

#include <benchmark/benchmark.h>

namespace ranvik::bench {
namespace {

bool LoadFull(Tournament& tournament, benchmark::State& state) {
    tournament.setType(TypeOf(FullChart::DoubleRoundRobin));
    tournament.setModified(true);
    if (ReadChartFile(tournament, ReadFileBytes(FullChartPath(FullChart::DoubleRoundRobin))).ok)
        return true;
    state.SkipWithError("the chart did not load");
    return false;
}

// What the window's thread does: the chart's bytes and description taken at once.
void BM_RecoverySnapshot(benchmark::State& state) {
    Tournament tournament;
    if (!LoadFull(tournament, state))
        return;
    const RecoveryStore store(RunFolder() + "/recovery");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.snapshot(tournament, "/charts/full.tms", std::nullopt));
    state.SetLabel("double round robin, 1000 players");
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole copy: the chart's bytes and its description, each written safely (synced).
void BM_RecoveryWrite(benchmark::State& state) {
    Tournament tournament;
    if (!LoadFull(tournament, state))
        return;
    RecoveryStore store(RunFolder() + "/recovery");
    std::string reason;
    for (auto _ : state) {
        if (!store.writeCopy(tournament, "/charts/full.tms", RatingSystem::Regular, reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
    }
    state.SetLabel("double round robin, 1000 players");
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ranvik::bench
