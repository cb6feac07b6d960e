#!/usr/bin/env bash
# Installs the package built by scripts/package.sh on this machine (Debian 12, as root),
# runs both programs from their installed place, opens a chart under Xvfb taking the
# tournament type its question proposes, saves screenshots into $OUT (default
# /tmp/ranvik-package-check), then removes the package again. Needs xvfb, x11-apps, netpbm and xdotool.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
deb="${1:-$(ls "$here"/build-package/ranvik_*_amd64.deb)}"
out="${OUT:-/tmp/ranvik-package-check}"
for t in Xvfb xwd xwininfo xwdtopnm pnmtopng pnmpaste xdotool; do
    command -v "$t" >/dev/null || { echo "needs $t: apt-get install xvfb x11-apps x11-utils netpbm xdotool"; exit 2; }
done
mkdir -p "$out"

dpkg -i "$deb"
trap 'dpkg -r ranvik' EXIT
dpkg -s ranvik | grep -E '^(Version|Depends):'

echo "--- installed programs"
command -v ranvik ranvik-cli
env -u DISPLAY ranvik --version
env -u DISPLAY ranvik-cli --help | head -3
man -w ranvik ranvik-cli
echo "--- desktop integration"
grep -H tms /usr/share/mime/globs2
grep -H ranvik /usr/share/applications/mimeinfo.cache
ls /usr/share/icons/hicolor/48x48/apps/ranvik.png

echo "--- the window under Xvfb"
chart="$out/Club championship.tms"
printf '1\tAnn Côté\t111111\t1500\tX\t1\t=\t\r\n2\tBo Tremblay\t222222\t1400\t0\tX\t1\t\r\n3\tCy Bouchard\t\t\t=\t0\tX\t\r\n' |
    iconv -f UTF-8 -t WINDOWS-1252 >"$chart"
display=:73
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; dpkg -r ranvik' EXIT
sleep 2
# xwd -root leaves Qt's dialogs and menus black under Xvfb, so each visible window is
# captured on its own and pasted over the root picture where it stands.
shot() {
    local picture="$out/$1.pnm" window x y part="$out/window.pnm"
    xwd -root -display "$display" | xwdtopnm 2>/dev/null >"$picture"
    for window in $(DISPLAY="$display" xdotool search --onlyvisible --name '.*' 2>/dev/null); do
        x=$(xwininfo -display "$display" -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
        y=$(xwininfo -display "$display" -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
        xwd -display "$display" -id "$window" | xwdtopnm 2>/dev/null >"$part" || continue
        pnmpaste "$part" "$x" "$y" "$picture" >"$picture.new" 2>/dev/null && mv "$picture.new" "$picture"
    done
    pnmtopng "$picture" >"$out/$1.png"
    rm -f "$picture" "$part"
    echo "screenshot $out/$1.png"
}
# A scratch home: no settings file, so nothing of this machine's user shows.
HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config" DISPLAY="$display" ranvik "$chart" &
program=$!
sleep 4
shot 1-type-question
# The chart's shape proposes "Round robin", which has the focus: Enter takes it.
DISPLAY="$display" xdotool key Return
sleep 2
shot 2-chart-open
kill "$program"
wait "$program" || true
