#!/usr/bin/env bash
# Fuzzes one target (or all of them, one after another) for a given time with libFuzzer.
#   scripts/fuzz.sh chart_file 600
#   scripts/fuzz.sh all 600
# Targets: chart_file, result_notation, settings, member_database, trf_import, paste,
# window_state, recovery_copy. Extra arguments go to
# libFuzzer. New inputs collect in build-fuzz/work/<target> (the saved seeds in
# fuzz/corpus/<target> are only read); inputs that found a fault land in
# build-fuzz/artifacts/<target>/. Save those under fuzz/regressions/<target>/ once fixed.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${RANVIK_FUZZ_BUILD_DIR:-$here/build-fuzz}"
target="${1:?usage: fuzz.sh <target|all> [seconds] [libFuzzer options...]}"
seconds="${2:-600}"
shift $(( $# >= 2 ? 2 : 1 ))

executable_of() {
    case "$1" in
        chart_file) echo ChartFileFuzz ;;
        result_notation) echo ResultNotationFuzz ;;
        settings) echo SettingsFuzz ;;
        member_database) echo MemberDatabaseFuzz ;;
        trf_import) echo TrfImportFuzz ;;
        paste) echo PasteFuzz ;;
        window_state) echo WindowStateFuzz ;;
        recovery_copy) echo RecoveryCopyFuzz ;;
        *) echo "unknown target: $1" >&2; exit 2 ;;
    esac
}

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DRANVIK_FUZZ=ON -DBUILD_TESTING=OFF -DRANVIK_BUILD_BENCHMARKS=OFF
fi

run_one() {
    local name="$1" exe
    exe="$(executable_of "$name")"
    cmake --build "$build" -j2 --target "$exe"
    mkdir -p "$build/work/$name" "$build/artifacts/$name"
    "$build/fuzz/$exe" "$build/work/$name" "$here/fuzz/corpus/$name" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name/" "${@:2}"
}

if [ "$target" = all ]; then
    for name in chart_file result_notation settings member_database trf_import paste window_state \
        recovery_copy; do
        run_one "$name" "$@"
    done
else
    run_one "$target" "$@"
fi
