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
[ "${QT_QPA_PLATFORM:-}" = offscreen ] && export WINEQT_QPA_FONTDIR='C:\windows\Fonts'
export WINEQT_FORCE_STDERR_LOGGING=1
exec timeout --kill-after=10 "${RANVIK_WINE_TIMEOUT:-900}" "$wine" "$@"
