// The chart operations on full charts of the three types: load and save against the floor
// of reading the file, validation, the report lines, the sort, the type switch and one
// opponent update.

#include "BenchInputs.h"

#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "report/RatingReport.h"
#include "validation/Validation.h"

#include "BenchArgs.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace ranvik::bench {
namespace {

// A window-fresh tournament as Open finds it: the start-up chart, then the chosen type.
std::unique_ptr<Tournament> FreshTournament(TournamentType type) {
    auto tournament = std::make_unique<Tournament>();
    tournament->layOutStartChart();
    tournament->setType(type);
    return tournament;
}

void SetLabel(benchmark::State& state) {
    state.SetLabel(NameOf(ChartArg(state)));
}

// The floor of OpenChartFile and SaveChartFile: the file's bytes read and their TABs and line ends
// counted.
void BM_ReadFloor(benchmark::State& state) {
    const std::string& path = FullChartPath(ChartArg(state));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string content = ReadFileBytes(path);
        const FloorCount count = CountTabsAndLineEnds(content);
        benchmark::DoNotOptimize(count);
        bytes = content.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    SetLabel(state);
}
BENCHMARK(BM_ReadFloor)->Apply(NameArgs);

// Open's work: read the file and lay the chart out from it under the chosen type.
void BM_OpenChartFile(benchmark::State& state) {
    const FullChart kind = ChartArg(state);
    const std::string& path = FullChartPath(kind);
    std::size_t size = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto tournament = FreshTournament(TypeOf(kind));
        state.ResumeTiming();
        std::string bytes;
        Message error;
        if (!ReadWholeFile(path, bytes, error)) {
            state.SkipWithError(English(error).c_str());
            break;
        }
        const ChartReadOutcome loaded = ReadChartFile(*tournament, bytes);
        if (!loaded.ok) {
            state.SkipWithError(English(loaded.message).c_str());
            break;
        }
        size = bytes.size();
        state.PauseTiming();
        tournament.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(size) * state.iterations());
    SetLabel(state);
}
BENCHMARK(BM_OpenChartFile)->Apply(NameArgs);

// The same load into a window whose chart already held a full chart once: its cell storage
// is kept (never shrinks), so this is OpenChartFile without first-touch page faults.
void BM_ReloadChartFile(benchmark::State& state) {
    const FullChart kind = ChartArg(state);
    const std::string& path = FullChartPath(kind);
    Tournament tournament = LoadedFullChart(kind);
    for (auto _ : state) {
        state.PauseTiming();
        tournament.setType(TournamentType::Swiss);
        tournament.setNumPlayers(Tournament::StartPlayers);
        tournament.setType(TypeOf(kind));
        state.ResumeTiming();
        std::string bytes;
        Message error;
        if (!ReadWholeFile(path, bytes, error) || !ReadChartFile(tournament, bytes).ok) {
            state.SkipWithError("the chart did not load");
            break;
        }
    }
    SetLabel(state);
}
BENCHMARK(BM_ReloadChartFile)->Apply(NameArgs);

// Save's work: the file's content built and written safely beside the target.
void BM_SaveChartFile(benchmark::State& state) {
    const Tournament tournament = LoadedFullChart(ChartArg(state));
    const std::string path = RunFolder() + "/saved-" + NameOf(ChartArg(state)) + ".tms";
    std::size_t size = 0;
    for (auto _ : state) {
        const ChartBytes content = EncodeChartFile(tournament.chart());
        if (!content.ok || !WriteFileSafely(path, content.bytes)) {
            state.SkipWithError("the chart could not be saved");
            break;
        }
        size = content.bytes.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(size) * state.iterations());
    SetLabel(state);
}
BENCHMARK(BM_SaveChartFile)->Apply(NameArgs);

// The content alone, to tell the encoding from the file system in SaveChartFile.
void BM_EncodeChartFile(benchmark::State& state) {
    const Tournament tournament = LoadedFullChart(ChartArg(state));
    for (auto _ : state) {
        ChartBytes content = EncodeChartFile(tournament.chart());
        benchmark::DoNotOptimize(content.bytes.data());
    }
    SetLabel(state);
}
BENCHMARK(BM_EncodeChartFile)->Apply(NameArgs);

// The charts are consistent, so the whole chart is scanned and no question is asked.
void BM_Validate(benchmark::State& state) {
    Tournament tournament = LoadedFullChart(ChartArg(state));
    int asked = 0;
    const InconsistencyPrompt prompt = [&asked](const Message&) {
        ++asked;
        return InconsistencyAnswer::Cancel;
    };
    for (auto _ : state) {
        const ValidationResult result = Validate(tournament, prompt);
        if (!result.passed() || asked != 0) {
            state.SkipWithError(("the generated chart is not consistent: " +
                                 English(FaultText(result, tournament.rules())))
                                    .c_str());
            break;
        }
    }
    SetLabel(state);
}
BENCHMARK(BM_Validate)->Apply(NameArgs);

void BM_ReportLines(benchmark::State& state) {
    const Tournament tournament = LoadedFullChart(ChartArg(state));
    const TournamentInfo info{"Benchmark Open", "QC", "123456", "2025/06/30", "100007", "100014"};
    for (auto _ : state) {
        const std::vector<std::string> lines =
            BuildReportLines(tournament, RatingSystem::Regular, info);
        benchmark::DoNotOptimize(lines.data());
    }
    SetLabel(state);
}
BENCHMARK(BM_ReportLines)->Apply(NameArgs);

// What writing a report does: the file's bytes, lines encoded as they are produced.
void BM_ReportBytes(benchmark::State& state) {
    const Tournament tournament = LoadedFullChart(ChartArg(state));
    const TournamentInfo info{"Benchmark Open", "QC", "123456", "2025/06/30", "100007", "100014"};
    for (auto _ : state) {
        const ReportBytes report = BuildReportBytes(tournament, RatingSystem::Regular, info);
        if (!report.ok) {
            state.SkipWithError(("the report was refused: " + English(report.message)).c_str());
            break;
        }
        benchmark::DoNotOptimize(report.bytes.data());
    }
    SetLabel(state);
}
BENCHMARK(BM_ReportBytes)->Apply(NameArgs);

// Each sort starts from the chart as loaded (unsorted), not from the previous sort's result.
void BM_SortFullSwiss(benchmark::State& state) {
    const Tournament loaded = LoadedFullChart(FullChart::Swiss);
    Tournament tournament = loaded;
    for (auto _ : state) {
        state.PauseTiming();
        tournament = loaded;
        state.ResumeTiming();
        benchmark::DoNotOptimize(tournament.sortByRating());
    }
    state.SetLabel(NameOf(FullChart::Swiss));
}
BENCHMARK(BM_SortFullSwiss)->Unit(benchmark::kMillisecond);

// One switch of the type radio group at 1000 players, with the full double round robin
// loaded (its cells stay in storage whatever the type shows). A fixed number of iterations:
// the untimed switch back can cost a hundred times the timed one.
void BM_TypeSwitch(benchmark::State& state) {
    const auto from = static_cast<TournamentType>(state.range(0));
    const auto to = static_cast<TournamentType>(state.range(1));
    Tournament tournament = LoadedFullChart(FullChart::DoubleRoundRobin);
    for (auto _ : state) {
        state.PauseTiming();
        tournament.setType(from);
        state.ResumeTiming();
        tournament.setType(to);
    }
}
BENCHMARK(BM_TypeSwitch)
    ->ArgNames({"from", "to"})
    ->Args({0, 1})
    ->Args({1, 2})
    ->Args({2, 0})
    ->Args({0, 2})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A result typed into a full chart and Enter pressed: the opponent's cell is written.
// Alternates between two results so every update really changes a cell.
void BM_OpponentUpdate(benchmark::State& state) {
    const FullChart kind = ChartArg(state);
    Tournament tournament = LoadedFullChart(kind);
    const bool swiss = kind == FullChart::Swiss;
    const int row = 500;
    const int col = swiss ? ChartColumn::FirstResult + 27
                          : ChartColumn::FirstResult + (kind == FullChart::RoundRobin ? 700 : 1401);
    const std::string original(tournament.chart().cell(col, row));
    const int opponent = swiss ? std::stoi(original.substr(1)) : 0;
    std::array<std::string, 2> typed = {"1", "="};
    if (swiss) {
        typed = {"W", "D"};
        for (std::string& text : typed)
            text += std::to_string(opponent);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        tournament.enterCell(col, row, typed[i++ & 1]);
        benchmark::DoNotOptimize(tournament.chart().cell(col, row));
    }
    state.SetLabel(NameOf(kind));
}
BENCHMARK(BM_OpponentUpdate)
    ->ArgName("chart")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kNanosecond);

} // namespace
} // namespace ranvik::bench
