// Importing a tournament report file of the largest Swiss chart: 1000 players, 28 rounds.

#include "import/TrfImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace ranvik::bench {
namespace {

// 28 rounds of a circle-method schedule (no pair meets twice), the lower start number
// winning, every line with its score so the points check runs in full.
std::string LargeSwissTrf() {
    constexpr int kPlayers = 1000;
    constexpr int kRounds = 28;
    std::vector<std::vector<int>> opponent(kPlayers, std::vector<int>(kRounds));
    for (int r = 0; r < kRounds; ++r) {
        opponent[r][r] = kPlayers - 1;
        opponent[kPlayers - 1][r] = r;
        for (int i = 1; i < kPlayers / 2; ++i) {
            const int a = (r + i) % (kPlayers - 1);
            const int b = (r - i + kPlayers - 1) % (kPlayers - 1);
            opponent[a][r] = b;
            opponent[b][r] = a;
        }
    }
    std::string text = "012 Benchmark Open\r\n";
    // The name field is 33 characters; Ø, å and ø take two bytes each, hence 36 bytes.
    char buffer[128];
    for (int p = 0; p < kPlayers; ++p) {
        int score = 0;
        std::string games;
        for (int r = 0; r < kRounds; ++r) {
            const int o = opponent[p][r];
            const bool won = p < o;
            score += won ? 2 : 0;
            std::snprintf(buffer, sizeof buffer, "%4d %c %c  ", o + 1, r % 2 ? 'b' : 'w',
                          won ? '1' : '0');
            games += buffer;
        }
        std::snprintf(
            buffer, sizeof buffer, "001 %4d m    %-36s %4d CAN %11s 1990/01/01 %4.1f %4d  ", p + 1,
            ("Ødegård, Søren " + std::to_string(p)).c_str(), 1000 + p, "", score / 2.0, p + 1);
        text += buffer + games + "\r\n";
    }
    return text;
}

void BM_ImportTrf(benchmark::State& state) {
    const std::string bytes = LargeSwissTrf();
    for (auto _ : state) {
        TrfImport imported = ImportTrf(bytes, TrfTypeChoice::Auto);
        if (!imported.ok || imported.type != TournamentType::Swiss)
            state.SkipWithError(English(RefusalMessage(imported)).c_str());
        benchmark::DoNotOptimize(imported);
    }
}
BENCHMARK(BM_ImportTrf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ranvik::bench
