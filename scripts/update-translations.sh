#!/usr/bin/env bash
# Brings translations/*.ts up to date with the window's texts (src/ui and the command line of
# src/main.cpp). Without locations and obsolete entries, so a diff shows only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
for ts in translations/*.ts; do
    "$lupdate" -no-obsolete -locations none -source-language en -target-language "$(basename "$ts" .ts | sed 's/^ranvik_//')" \
        -I src src/ui src/main.cpp -ts "$ts"
done
