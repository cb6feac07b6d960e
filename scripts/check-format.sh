#!/usr/bin/env bash
# Checks every tracked C/C++ file against .clang-format without changing it: lists the files
# that drift and fails when any does. scripts/format.sh applies the style.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
command -v clang-format >/dev/null || "$here/scripts/deps.sh" clang-format
cd "$here"
echo "clang-format: $(clang-format --version)"
drifting=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || drifting+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#drifting[@]} -gt 0 ]; then
    printf 'Not formatted as .clang-format says (%d files; scripts/format.sh fixes them):\n' \
        "${#drifting[@]}"
    printf '  %s\n' "${drifting[@]}"
    exit 1
fi
echo "All C/C++ files match .clang-format."
