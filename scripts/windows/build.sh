#!/usr/bin/env bash
# Cross-builds Ranvik for 64-bit Windows on Debian 12: the window (ranvik.exe), ranvik-cli.exe
# and every test program, into build-win64/bin (or $RANVIK_WIN64_BUILD_DIR/bin), each beside the
# DLLs it needs. Installs the Debian packages it needs; builds the libraries from Debian's
# source packages once into ~/.cache/ranvik-win64 (scripts/windows/build-deps.sh); takes Qt
# 6.4.2 for MinGW from ../shared/win64/qt-6.4.2 when it is there, else from the cache, else
# builds it there (scripts/windows/build-qt.sh, about an hour). Extra arguments go to CMake.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}"
build="${RANVIK_WIN64_BUILD_DIR:-$here/build-win64}"
jobs="${JOBS:-2}"
started=$SECONDS

"$here/scripts/windows/deps.sh"
# RANVIK_WIN64_WINDOW=OFF: the core, ranvik-cli and their tests only, without Qt.
window="${RANVIK_WIN64_WINDOW:-ON}"
qt=""
if [ "$window" = ON ]; then
    qt="$("$here/scripts/windows/find-qt.sh")" || {
        echo "No Qt 6.4.2 for MinGW beside the checkout or in the cache: building it" >&2
        "$here/scripts/windows/build-qt.sh"
        qt="$("$here/scripts/windows/find-qt.sh")"
    }
fi
prefix="$("$here/scripts/windows/build-deps.sh" | tail -1)"
echo "Qt: ${qt:-none (RANVIK_WIN64_WINDOW=OFF)}; libraries: $prefix"

# -O2 as the Linux build: GCC 12's -O3 takes std::string's operator+ for an overlapping copy
# (-Wrestrict), and warnings are errors.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="${qt:+$qt;}$prefix" -DRANVIK_WINDOW="$window" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DRANVIK_WERROR=ON -DRANVIK_BUILD_BENCHMARKS=OFF "$@"
nice cmake --build "$build" -j"$jobs"
"$here/scripts/windows/deploy.sh" "${qt:-/nonexistent}" "$build/bin"
echo "Windows build in $build/bin ($((SECONDS - started)) s)"
