#!/usr/bin/env bash
# Formats every tracked C/C++ file in place with .clang-format (or only the files given).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
command -v clang-format >/dev/null || "$here/scripts/deps.sh" clang-format
if [ $# -gt 0 ]; then
    clang-format -i "$@"
else
    cd "$here"
    git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format -i
fi
