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
export WINEPREFIX="${WINEPREFIX:-${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}/wineprefix}"
# Makes the Wine prefix once, before the tests start in parallel; then one Wine server for
# the whole run, told to stay (one started afresh for each test costs more, about a second
# and a half, than most tests take), and Wine's services started under it. Their output is not
# ours: they outlive the programs and would hold our pipes open.
"$here/scripts/windows/wine-run.sh" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
"$here/scripts/windows/wine-run.sh" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
cd "$build"
# A test whose Wine process dies at start (no output, a few milliseconds; seen once in many
# runs, never again on rerun) is run once more; a test that fails twice still fails.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${JOBS:-2}" --timeout 900 \
    --repeat until-pass:2 "$@"
echo "Tests under Wine took $((SECONDS - started)) s"
