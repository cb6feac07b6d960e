#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a Wine prefix of its own made afresh, as a
# director meets it: a silent install (/S) for the current user with its Start-menu entry and
# .tms association; ranvik-cli.exe --help; ranvik-cli.exe's outputs and written files byte for
# byte equal to the Linux build's over varied charts (scripts/compare-cli.py) and for charts
# with a name outside ASCII; the window started on a virtual X display, with a screenshot
# (docs/screenshots/windows-wine.png, or $RANVIK_SCREENSHOT); and a silent uninstall that
# leaves the user's charts, settings and recovery copies alone.
#
# Needs scripts/windows/package.sh first; builds the Linux ranvik-cli (build/) when missing.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${RANVIK_WIN64_BUILD_DIR:-$here/build-win64}"
linux_build="${RANVIK_BUILD_DIR:-$here/build}"
version=$(sed -n 's/^project(Ranvik VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
setup="$build/ranvik-$version-setup.exe"
screenshot="${RANVIK_SCREENSHOT:-$here/docs/screenshots/windows-wine.png}"
[ -f "$setup" ] || { echo "No installer: run scripts/windows/package.sh first" >&2; exit 1; }
"$here/scripts/windows/deps.sh"
if [ ! -x "$linux_build/src/ranvik-cli" ]; then
    cmake -S "$here" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$linux_build" -j"${JOBS:-2}" --target ranvik-cli
fi

scratch=$(mktemp -d /tmp/ranvik-installer-XXXXXX)
export WINEPREFIX="$scratch/prefix"
export RANVIK_WINE_TIMEOUT=300
wine="$here/scripts/windows/wine-run.sh"
xvfb=""
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
checks=0
ok() { checks=$((checks + 1)); echo "ok: $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
settle() { timeout 120 /usr/lib/wine/wineserver -w || true; }

echo "== silent install"
"$wine" "$setup" /S
settle
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
installed="$user_dir/AppData/Local/Programs/Ranvik"
for file in ranvik.exe ranvik-cli.exe uninstall.exe Qt6Core.dll Qt6Widgets.dll libstdc++-6.dll \
    platforms/qwindows.dll translations/qtbase_fr.qm fonts/DejaVuSans.ttf qt.conf; do
    [ -f "$installed/$file" ] || fail "$file is not in $installed"
done
ok "installed for the current user in AppData/Local/Programs/Ranvik"
[ -f "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ranvik.lnk" ] ||
    fail "no Start-menu entry"
ok "Start-menu entry"
"$wine" reg query 'HKCU\Software\Classes\.tms' /ve | grep -q 'Ranvik.Chart' ||
    fail ".tms is not associated"
"$wine" reg query 'HKCU\Software\Classes\Ranvik.Chart\shell\open\command' /ve |
    grep -qi 'ranvik.exe" "%1"' || fail "no open command for charts"
ok ".tms charts open with ranvik.exe"

echo "== ranvik-cli.exe --help"
"$wine" "$installed/ranvik-cli.exe" --help >"$scratch/help-windows.txt" ||
    fail "ranvik-cli.exe --help failed"
"$linux_build/src/ranvik-cli" --help >"$scratch/help-linux.txt"
cmp "$scratch/help-linux.txt" "$scratch/help-windows.txt" || fail "the help differs from Linux's"
ok "ranvik-cli.exe --help, byte for byte the Linux build's"

echo "== ranvik-cli.exe against the Linux build"
# One Wine server for the hundreds of short runs below (as scripts/windows/test.sh does): each
# starting its own, under load, now and then one loses its output. Stopped after them, since
# settle waits for the server to end.
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
"$wine" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
cat >"$scratch/ranvik-cli-wine" <<EOF
#!/bin/sh
exec "$wine" "$installed/ranvik-cli.exe" "\$@"
EOF
chmod +x "$scratch/ranvik-cli-wine"
python3 "$here/scripts/compare-cli.py" "$linux_build/src/ranvik-cli" "$scratch/ranvik-cli-wine" \
    "${RANVIK_COMPARE_COUNT:-30}" || fail "ranvik-cli.exe differs from the Linux build"
ok "compare-cli: every output and file identical"
# A chart whose name is outside ASCII: report, chart beside it, standings in three formats.
name='Côté – Printemps'
for side in linux windows; do
    mkdir -p "$scratch/$side"
    printf '1\tCôté, Luc\t123456\t1800\tW2\t\r\n2\tÉmond, Zoé\t123457\t1500\tL1\t\r\n' \
        | iconv -f UTF-8 -t CP1252 >"$scratch/$side/$name.tms"
done
run=0
run_both() {
    local side cli status
    run=$((run + 1))
    for side in linux windows; do
        cli="$linux_build/src/ranvik-cli"
        [ "$side" = windows ] && cli="$scratch/ranvik-cli-wine"
        status=0
        (cd "$scratch/$side" && "$cli" "$@" >"stdout-$run.out" 2>"stderr-$run.out") || status=$?
        echo "$status" >"$scratch/$side/status-$run.out"
    done
}
run_both report "$name.tms" --type swiss --name "Printemps à Québec" --province QC \
    --end-date 2025/04/20 --td 123456 --rating regular -o "$name Rapport"
for format in text csv html; do
    run_both standings "$name.tms" --type swiss --format "$format" -o "$name.$format"
done
run_both convert "$name.tms" --type swiss -o "$name converti.txt"
diff <(cd "$scratch/linux" && ls) <(cd "$scratch/windows" && ls) ||
    fail "the two systems wrote different files"
for f in "$scratch/linux"/*; do
    cmp "$f" "$scratch/windows/$(basename "$f")" || fail "$(basename "$f") differs"
done
[ -f "$scratch/windows/$name Rapport.qtr" ] || fail "no report written under Wine"
ok "report, chart, standings and conversion of '$name' byte for byte equal"

/usr/lib/wine/wineserver -k 2>/dev/null || true

echo "== the window on a virtual display"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 2
cp "$scratch/windows/$name.tms" "$user_dir/Documents/$name.tms" 2>/dev/null ||
    { mkdir -p "$user_dir/Documents" && cp "$scratch/windows/$name.tms" "$user_dir/Documents/"; }
(cd "$user_dir/Documents" && RANVIK_WINE_TIMEOUT=120 "$wine" "$installed/ranvik.exe" "$name.tms" \
    >/dev/null 2>&1 &)
window=""
for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name 'Ranvik' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 1
done
[ -n "$window" ] || fail "the window did not appear"
sleep 4
# The chart's tournament type is asked first, as File > Open asks it: Swiss is the default.
xdotool key --clearmodifiers Return 2>/dev/null || true
sleep 3
mkdir -p "$(dirname "$screenshot")"
import -window root "$screenshot"
ok "window shown; screenshot in $screenshot"
/usr/lib/wine/wineserver -k || true
settle

echo "== silent uninstall"
# What the user has made: a chart, the settings, a recovery copy.
settings="$user_dir/AppData/Roaming/Ranvik.ini"
recovery="$user_dir/AppData/Local/ranvik/recovery"
printf '[Database]\r\nDatabase name=C:\\members.mde\r\n' >"$settings"
mkdir -p "$recovery" && echo copy >"$recovery/chart-1-1.tms"
"$wine" "$installed/uninstall.exe" /S
settle
sleep 2
settle
[ ! -e "$installed" ] || fail "the program's folder is still there: $(ls -R "$installed" | head)"
[ ! -e "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ranvik.lnk" ] ||
    fail "the Start-menu entry is still there"
if "$wine" reg query 'HKCU\Software\Classes\Ranvik.Chart' >/dev/null 2>&1; then
    fail "the chart association is still there"
fi
[ -f "$settings" ] && [ -f "$recovery/chart-1-1.tms" ] && [ -f "$user_dir/Documents/$name.tms" ] ||
    fail "the uninstaller removed the user's files"
ok "uninstalled; the user's chart, settings and recovery copy kept"
echo "$checks checks passed"
