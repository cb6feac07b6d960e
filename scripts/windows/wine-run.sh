#!/usr/bin/env bash
# Runs one Windows program under Wine, as CTest's emulator for the cross build and for the
# scripts here: its own Wine prefix (made on first use), Qt's variables passed the way Wine
# passes them (it drops QT_* but strips a WINE prefix), and a time limit, since a Windows
# program waiting on an invisible dialog would otherwise wait for ever.
set -uo pipefail
export WINEPREFIX="${WINEPREFIX:-${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # Several tests may start at once: one makes the prefix, the others wait for it.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            timeout 300 "$wine" wineboot -i >/dev/null 2>&1
            timeout 60 /usr/lib/wine/wineserver -w
            # Wine's own TrueType fonts, where Qt looks for the system's.
            cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
        fi
    ) 9>"$WINEPREFIX.lock"
fi
for name in QT_QPA_PLATFORM QT_QPA_FONTDIR QT_FORCE_STDERR_LOGGING QT_SCALE_FACTOR; do
    [ -n "${!name:-}" ] && export "WINE$name=${!name}"
done
# Offscreen, Qt reads the fonts of one folder: the DejaVu fonts the Linux tests are drawn with
# (fonts-dejavu-core), so text measures alike. Wine's own folder holds symbol fonts (Marlett,
# Wingdings) that Qt would take for the default and measure every label thousands of pixels
# wide.
[ "${QT_QPA_PLATFORM:-}" = offscreen ] && export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
export WINEQT_FORCE_STDERR_LOGGING=1
# The output goes through files: a console host Wine starts for a program's own children can
# outlive the program (scripts/windows/test.sh keeps one Wine server for the whole run), and
# would hold a pipe to the caller open, which then waits for ever.
output=$(mktemp /tmp/ranvik-wine-XXXXXX)
trap 'rm -f "$output" "$output.err"' EXIT
timeout --kill-after=10 "${RANVIK_WINE_TIMEOUT:-900}" "$wine" "$@" >"$output" 2>"$output.err"
status=$?
cat "$output"
cat "$output.err" >&2
exit "$status"
