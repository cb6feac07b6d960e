#pragma once
// The argument the chart benchmarks run over: the full chart of each tournament type.

#include "BenchInputs.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace ranvik::bench {

inline constexpr std::array<FullChart, 3> kCharts = {FullChart::Swiss, FullChart::RoundRobin,
                                                     FullChart::DoubleRoundRobin};

inline FullChart ChartArg(const benchmark::State& state) {
    return kCharts[static_cast<std::size_t>(state.range(0))];
}

// One run per chart type, named "chart:0..2", in milliseconds.
inline void NameArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("chart");
    for (std::size_t i = 0; i < kCharts.size(); ++i)
        b->Arg(static_cast<int64_t>(i));
    b->Unit(benchmark::kMillisecond);
}

} // namespace ranvik::bench
