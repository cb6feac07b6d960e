// The membership database at 100,000 members, in both engines: opening until searchable,
// one keystroke's search and one change of ordering. The files are generated at start with
// the shared tools; without them these benchmarks are skipped with the reason.

#include "BenchInputs.h"
#include "MemberInputs.h"

#include "members/MemberDatabase.h"
#include "members/MemberTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ranvik::bench {
namespace {

const std::string* EnginePath(benchmark::State& state) {
    const MemberFiles& files = Files();
    if (!files.problem.empty()) {
        state.SkipWithError(files.problem.c_str());
        return nullptr;
    }
    state.SetLabel(state.range(0) == 0 ? "Access" : "SQLite");
    return state.range(0) == 0 ? &files.access : &files.sqlite;
}

// The table the window keeps once the database is open (Access engine).
const MemberTable* OpenTable(benchmark::State& state) {
    static std::optional<MemberTable> table;
    if (!table) {
        const MemberFiles& files = Files();
        if (!files.problem.empty()) {
            state.SkipWithError(files.problem.c_str());
            return nullptr;
        }
        auto database = OpenMemberDatabase(files.access);
        table.emplace(LoadMemberTable(*database));
    }
    return &*table;
}

// From the file to three orderings ready to search.
void BM_OpenMembers(benchmark::State& state) {
    const std::string* path = EnginePath(state);
    if (!path)
        return;
    for (auto _ : state) {
        auto database = OpenMemberDatabase(*path);
        MemberTable table = LoadMemberTable(*database);
        if (table.rowCount() != kMembers) {
            state.SkipWithError("the table does not hold every member");
            break;
        }
        benchmark::DoNotOptimize(table.ordering(MemberOrder::Name).currentRow());
    }
}
// Real time: the Access engine reads the file in a helper process.
BENCHMARK(BM_OpenMembers)
    ->ArgName("engine")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One keystroke in the Name or Number box: a search for the whole text typed so far.
void BM_KeystrokeSearch(benchmark::State& state) {
    const MemberTable* loaded = OpenTable(state);
    if (!loaded)
        return;
    MemberTable table = *loaded;
    const bool byName = state.range(0) == 0;
    MemberOrdering& ordering = table.ordering(byName ? MemberOrder::Name : MemberOrder::Number);
    const std::array<std::string, 6> typed =
        byName ? std::array<std::string, 6>{"l", "le", "lév", "léve", "lévesque,", "lévesque, j"}
               : std::array<std::string, 6>{"1", "15", "150", "1508", "15089", "150891"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ordering.find(typed[i++ % typed.size()]));
    state.SetLabel(byName ? "Name" : "Number");
}
BENCHMARK(BM_KeystrokeSearch)->ArgName("box")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Showing another ordering at its own current record, with the rows a screen shows read.
void BM_ChangeOrdering(benchmark::State& state) {
    const MemberTable* loaded = OpenTable(state);
    if (!loaded)
        return;
    MemberTable table = *loaded;
    constexpr std::array<MemberOrder, 3> orders = {MemberOrder::Name, MemberOrder::Number,
                                                   MemberOrder::Province};
    for (std::size_t k = 0; k < orders.size(); ++k)
        table.ordering(orders[k]).setPosition(kMembers / 3 * k + 17);
    constexpr std::size_t kScreenRows = 40;
    std::size_t i = 0;
    for (auto _ : state) {
        const MemberOrdering& shown = table.ordering(orders[i++ % orders.size()]);
        std::size_t chars = 0;
        for (std::size_t p = shown.position(); p < shown.position() + kScreenRows; ++p) {
            for (std::size_t f = 0; f < table.fields().size(); ++f) {
                const auto& value = table.value(shown.rowAt(std::min(p, shown.size() - 1)), f);
                chars += value ? value->size() : 0;
            }
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ChangeOrdering)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace ranvik::bench
