#!/usr/bin/env bash
# Runs every test program of the Windows build under Wine, through CTest (the toolchain makes
# scripts/windows/wine-run.sh the programs' emulator): the whole suite, the window's tests
# offscreen, and the Windows side of the platform seam (test_platform). Builds first when
# there is no build (scripts/windows/build.sh). Extra arguments go to ctest (-R, -E, ...).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${RANVIK_WIN64_BUILD_DIR:-$here/build-win64}"
"$here/scripts/windows/deps.sh"
[ -f "$build/bin/ranvik-cli.exe" ] || "$here/scripts/windows/build.sh"
started=$SECONDS
# Makes the Wine prefix once, before the tests start in parallel.
"$here/scripts/windows/wine-run.sh" cmd /c exit 0 || true
exclude=()
if [ "${RANVIK_WIN64_SKIP_UNFINISHED:-0}" = 1 ]; then
    pattern=$(grep -v '^#' "$here/scripts/windows/unfinished-tests.txt" | paste -sd'|')
    [ -n "$pattern" ] && exclude=(-E "$pattern")
    echo "Leaving out the tests listed in scripts/windows/unfinished-tests.txt"
fi
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${JOBS:-2}" --timeout 900 "${exclude[@]}" "$@"
echo "Tests under Wine took $((SECONDS - started)) s"
