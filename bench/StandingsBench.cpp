// Standings of the full 1000-player charts (target: double round robin ≤ 50 ms) and the
// PDF of a 100-player, 9-round Swiss event (target ≤ 1 s).

#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "standings/StandingsDocument.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace ranvik::bench {
namespace {

void BM_Standings(benchmark::State& state) {
    const auto kind = static_cast<FullChart>(state.range(0));
    const Tournament tournament = LoadedFullChart(kind);
    const std::vector<TieBreak> tieBreaks = DefaultTieBreaks(tournament.type());
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStandings(tournament, tieBreaks));
    state.SetLabel(NameOf(kind));
}
BENCHMARK(BM_Standings)
    ->ArgName("chart")
    ->Arg(static_cast<int>(FullChart::Swiss))
    ->Arg(static_cast<int>(FullChart::RoundRobin))
    ->Arg(static_cast<int>(FullChart::DoubleRoundRobin))
    ->Unit(benchmark::kMillisecond);

// 100 players, 9 rounds paired by the circle method, results by line parity.
Tournament HundredPlayerSwiss() {
    constexpr int kPlayers = 100;
    constexpr int kRounds = 9;
    Tournament tournament;
    tournament.layOutStartChart();
    tournament.setNumPlayers(kPlayers);
    tournament.setNumRounds(kRounds);
    Chart& chart = tournament.chart();
    for (int line = 1; line <= kPlayers; ++line) {
        chart.setCell(1, line, "Joueur Hélène Ødegård " + std::to_string(line));
        chart.setCell(2, line, std::to_string(100000 + line));
        chart.setCell(3, line, std::to_string(2400 - 7 * line));
    }
    for (int round = 0; round < kRounds; ++round) {
        auto pair = [&](int a, int b) {
            const bool aWins = (a + b + round) % 3 != 0;
            chart.setCell(ChartColumn::FirstResult + round, a,
                          (aWins ? "W" : "D") + std::to_string(b));
            chart.setCell(ChartColumn::FirstResult + round, b,
                          (aWins ? "L" : "D") + std::to_string(a));
        };
        pair(kPlayers, round + 1);
        for (int k = 1; k < kPlayers / 2; ++k)
            pair((round + k) % (kPlayers - 1) + 1, (round - k + kPlayers - 1) % (kPlayers - 1) + 1);
    }
    return tournament;
}

// What the window's Export PDF does: standings, the document, the PDF bytes.
void BM_StandingsPdf(benchmark::State& state) {
    const Tournament tournament = HundredPlayerSwiss();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ChartGames games = ReadChartGames(tournament);
        const Standings standings =
            ComputeStandings(tournament, games, DefaultTieBreaks(tournament.type()));
        const PdfOutcome pdf = StandingsPdf(
            BuildStandingsDocument(games, standings, {std::nullopt, "2024-05-18"}), PaperSize::A4);
        if (!pdf.ok)
            state.SkipWithError(English(pdf.message).c_str());
        bytes = pdf.bytes.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StandingsPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ranvik::bench
