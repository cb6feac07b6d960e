// The recovery copy of a full chart: written on the window's thread between keystrokes, so
// it has to stay short.

#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "recovery/RecoveryStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

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

// The whole copy: the description and the chart's bytes in one file, written safely (synced).
void BM_RecoveryWrite(benchmark::State& state) {
    Tournament tournament;
    if (!LoadFull(tournament, state))
        return;
    RecoveryStore store(RunFolder() + "/recovery");
    Message reason;
    for (auto _ : state) {
        if (!store.writeCopy(tournament, "/charts/full.tms", RatingSystem::Regular, reason)) {
            state.SkipWithError(English(reason).c_str());
            break;
        }
    }
    state.SetLabel("double round robin, 1000 players");
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// The start-up list of 10,000 copies left by dead programs: only each copy's description is
// read, and the question is asked once.
void BM_RecoveryLeftBehind(benchmark::State& state) {
    const std::string folder = RunFolder() + "/left";
    std::filesystem::create_directories(folder);
    const std::string chart(4096, 'x'); // never read to list the copy
    for (int k = 0; k < 10000; ++k) {
        RecoveryDescription d;
        d.players = 2;
        d.chartFile = "/charts/" + std::to_string(k) + ".tms";
        d.writer = {2147483000 - k, 1}; // ids beyond any system's: gone
        std::ofstream(folder + "/chart-" + std::to_string(k) + ".recovery", std::ios::binary)
            << EncodeRecoveryCopy(d, chart);
    }
    const RecoveryStore store(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.leftBehind());
    state.SetLabel("10,000 copies");
}
BENCHMARK(BM_RecoveryLeftBehind)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace ranvik::bench
