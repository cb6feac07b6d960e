#!/usr/bin/env bash
# Builds the benchmarks optimised (Release, in build-bench/ or $RANVIK_BENCH_DIR), runs the
# whole suite with repetitions, printing medians, then each benchmark's change against the
# medians kept in bench/baseline.tsv (marking any whose CPU time grew by more than 15 %).
# Extra arguments go to both programs (e.g. --benchmark_filter=OpenChartFile).
# RANVIK_BENCH_UPDATE=1 then writes this run's medians into bench/baseline.tsv (see
# bench/README.md). Not part of the tests.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${RANVIK_BENCH_DIR:-$here/build-bench}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target ranvik_bench ranvik_bench_ui
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
args=(--benchmark_repetitions="${RANVIK_BENCH_REPETITIONS:-5}"
      --benchmark_report_aggregates_only=true --benchmark_out_format=json "$@")
echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-), $(date -u +%F), load:$(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/ranvik_bench" "${args[@]}" --benchmark_out="$results/core.json"
QT_QPA_PLATFORM=offscreen "$build/bench/ranvik_bench_ui" "${args[@]}" \
    --benchmark_out="$results/ui.json"
echo "== load after the run:$(cut -d' ' -f1-3 /proc/loadavg)"
outputs=("$results/core.json" "$results/ui.json")
python3 "$here/scripts/bench-compare.py" "$here/bench/baseline.tsv" "${outputs[@]}"
if [ "${RANVIK_BENCH_UPDATE:-0}" = 1 ]; then
    python3 "$here/scripts/bench-compare.py" "$here/bench/baseline.tsv" "${outputs[@]}" --update
fi
