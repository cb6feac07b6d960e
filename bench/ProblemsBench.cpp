// The live check of the chart on full charts: the whole-chart check a load or a type change
// runs (against Validate's own time), and one typed result with the faults, marks and
// points brought up to date.

#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "validation/ChartProblems.h"

#include "BenchArgs.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>

namespace ranvik::bench {
namespace {

// What a load asks of the live check: the whole chart once.
void BM_CheckWholeChart(benchmark::State& state) {
    Tournament tournament = LoadedFullChart(ChartArg(state));
    for (auto _ : state) {
        ChartProblems problems(tournament);
        problems.refresh();
        if (problems.faultCount() != 0) {
            state.SkipWithError("the generated chart is not consistent");
            break;
        }
    }
    state.SetLabel(NameOf(ChartArg(state)));
}
BENCHMARK(BM_CheckWholeChart)->Apply(NameArgs);

// One result typed over another in a chart that already holds faults: the cell's fault
// comes and goes, and its marks, its mirror's and the line's points follow.
void BM_TypedResultLiveCheck(benchmark::State& state) {
    Tournament tournament = LoadedFullChart(ChartArg(state));
    ChartProblems problems(tournament);
    Chart& chart = tournament.chart();
    chart.setCell(ChartColumn::Name, 7, "");
    chart.setCell(ChartColumn::Rating, 9, "fast");
    problems.refresh();
    const int row = 500;
    const int col = ChartColumn::FirstResult + 3;
    const std::string original(chart.cell(col, row));
    const std::string other =
        tournament.rules().columnsAreRounds() ? "Q" : (original == "=" ? "1" : "=");
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        chart.setCell(col, row, flip ? other : original);
        benchmark::DoNotOptimize(problems.isMarked(col, row));
        benchmark::DoNotOptimize(problems.halfPoints(row));
        benchmark::DoNotOptimize(problems.faultCount());
    }
    state.SetLabel(NameOf(ChartArg(state)));
}
BENCHMARK(BM_TypedResultLiveCheck)->Apply(NameArgs)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ranvik::bench
