#!/usr/bin/env bash
# Builds the benchmarks optimised (Release, in build-bench/ or $RANVIK_BENCH_DIR) and runs
# the whole suite with repetitions, printing medians. Extra arguments go to both programs
# (e.g. --benchmark_filter=OpenChartFile). Not part of the tests.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${RANVIK_BENCH_DIR:-$here/build-bench}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target ranvik_bench ranvik_bench_ui
args=(--benchmark_repetitions="${RANVIK_BENCH_REPETITIONS:-5}"
      --benchmark_report_aggregates_only=true "$@")
echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-), $(date -u +%F), load:$(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/ranvik_bench" "${args[@]}"
QT_QPA_PLATFORM=offscreen "$build/bench/ranvik_bench_ui" "${args[@]}"
