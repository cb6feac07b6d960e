#!/usr/bin/env bash
# Prints the folder of a Qt 6.4.2 for 64-bit MinGW: $RANVIK_QT_WIN64 when set, the shared one
# beside the checkout (../shared/win64/qt-6.4.2), or the one scripts/windows/build-qt.sh left in
# the cache; fails when there is none.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}"
for qt in "${RANVIK_QT_WIN64:-}" "$here/../shared/win64/qt-6.4.2" "$cache/qt-6.4.2"; do
    if [ -n "$qt" ] && [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$qt/bin/Qt6Core.dll" ]; then
        (cd "$qt" && pwd)
        exit 0
    fi
done
exit 1
