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
qt="$("$here/scripts/windows/find-qt.sh")" || {
    echo "No Qt 6.4.2 for MinGW beside the checkout or in the cache: building it" >&2
    "$here/scripts/windows/build-qt.sh"
    qt="$("$here/scripts/windows/find-qt.sh")"
}
prefix="$("$here/scripts/windows/build-deps.sh" | tail -1)"
access=ON
[ -f "$prefix/lib/pkgconfig/libmdb.pc" ] || access=OFF
echo "Qt: $qt; libraries: $prefix; Access reader: $access"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt;$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DRANVIK_WERROR=ON -DRANVIK_BUILD_BENCHMARKS=OFF -DRANVIK_ACCESS="$access" "$@"
nice cmake --build "$build" -j"$jobs"
"$here/scripts/windows/deploy.sh" "$qt" "$build/bin"
echo "Windows build in $build/bin ($((SECONDS - started)) s)"
