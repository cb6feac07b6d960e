#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $RANVIK_ASAN_BUILD_DIR) and runs it: any memory fault, leak or undefined
# behaviour fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/deps.sh"
build="${RANVIK_ASAN_BUILD_DIR:-$here/build-asan}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRANVIK_WERROR=ON -DRANVIK_SANITIZE=ON \
    -DRANVIK_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)"
cd "$build"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
