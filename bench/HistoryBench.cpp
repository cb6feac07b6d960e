// The undo history on full charts: undoing a type switch, the memory a thousand typed
// results hold, and a paste of a thousand rows.

#include "BenchInputs.h"

#include "chart/TabSeparated.h"
#include "files/ChartFile.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>

namespace ranvik::bench {
namespace {

std::unique_ptr<Tournament> Loaded(FullChart kind) {
    return std::make_unique<Tournament>(LoadedFullChart(kind));
}

// Undo of a switch away from the full double round robin: the overwritten cells and the
// layout come back. The argument is the type switched to.
void BM_UndoTypeSwitch(benchmark::State& state) {
    auto tournament = Loaded(FullChart::DoubleRoundRobin);
    const auto to = static_cast<TournamentType>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        tournament->setType(to);
        state.ResumeTiming();
        tournament->undo();
    }
    state.counters["step_bytes"] = static_cast<double>(tournament->history().memoryBytes());
}
BENCHMARK(BM_UndoTypeSwitch)
    ->ArgName("to")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A thousand results typed into the full Swiss chart, each with its opponent's update:
// the history's own count and the heap it took (mallinfo2), in bytes.
void BM_ThousandTypedSteps(benchmark::State& state) {
    auto tournament = Loaded(FullChart::Swiss);
    std::size_t heap = 0;
    int pass = 0; // each pass types other results, so that every edit changes its cell
    for (auto _ : state) {
        ++pass;
        state.PauseTiming();
        tournament->forgetHistory();
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int k = 0; k < 1000; ++k) {
            const int row = 1 + k % 999;
            const int col = ChartColumn::FirstResult + k % 28;
            tournament->enterCell(col, row, ((k + pass) % 2 ? "W" : "D") + std::to_string(row + 1));
        }
        state.PauseTiming();
        heap = mallinfo2().uordblks - before;
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = static_cast<double>(tournament->history().memoryBytes());
    state.counters["heap_bytes"] = static_cast<double>(heap);
    state.counters["steps"] = static_cast<double>(tournament->history().stepCount());
}
BENCHMARK(BM_ThousandTypedSteps)->Unit(benchmark::kMillisecond)->Iterations(5);

// A block of 1000 names, numbers and ratings pasted into a 10-player chart, which grows.
void BM_PasteThousandRows(benchmark::State& state) {
    std::string text;
    for (int k = 1; k <= 1000; ++k)
        text += "Player " + std::to_string(k) + "\t" + std::to_string(100000 + k) + "\t" +
                std::to_string(1000 + k) + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        Tournament tournament;
        tournament.layOutStartChart();
        state.ResumeTiming();
        const Tournament::Step step(tournament, Message(MessageKind::UndoPaste));
        tournament.setNumPlayers(1000);
        tournament.pasteBlock(1, 1, ParseTabSeparated(text));
    }
}
BENCHMARK(BM_PasteThousandRows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ranvik::bench
