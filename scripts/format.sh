#!/usr/bin/env bash
# Formats every tracked C/C++ file in place with .clang-format (or only the files given).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
command -v clang-format >/dev/null || "$here/scripts/deps.sh" clang-format
if [ $# -gt 0 ]; then
    # Only C/C++ sources: clang-format would reflow a Markdown or CMake file given by mistake.
    for file in "$@"; do
        case "$file" in
        *.cpp | *.h | *.c | *.cc | *.hpp) clang-format -i "$file" ;;
        *) echo "format.sh: skipping $file (not a C/C++ source)" >&2 ;;
        esac
    done
else
    cd "$here"
    git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format -i
fi
