#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every source file in src/ and fails on any
# finding. Configures its own build folder, build-tidy/ (or $RANVIK_TIDY_BUILD_DIR), only for
# compile_commands.json: nothing is compiled. The whole log lands in <build>/clang-tidy.log
# and a count per check is printed at the end.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${RANVIK_TIDY_BUILD_DIR:-$here/build-tidy}"
jobs="${RANVIK_TIDY_JOBS:-$(nproc)}"
command -v clang-tidy >/dev/null || "$here/scripts/deps.sh" clang-tidy
"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=OFF \
    -DRANVIK_BUILD_BENCHMARKS=OFF -DRANVIK_PCH=OFF >/dev/null

# Our own .cpp files only: AUTOMOC's generated sources live in the build folder.
mapfile -t files < <(python3 - "$build/compile_commands.json" "$here/src/" <<'PY'
import json, sys
src = sys.argv[2]
for entry in json.load(open(sys.argv[1])):
    name = entry["file"]
    if name.startswith(src) and name.endswith(".cpp") and "_autogen/" not in name:
        print(name)
PY
)
log="$build/clang-tidy.log"
echo "clang-tidy: $(clang-tidy --version | grep -m1 version), ${#files[@]} files, $jobs jobs"
start=$SECONDS
status=0
if command -v run-clang-tidy >/dev/null; then
    mapfile -t patterns < <(printf '%s\n' "${files[@]}" | sed 's/[][\.*^$+?(){}|]/\\&/g; s/^/^/; s/$/$/')
    run-clang-tidy -p "$build" -j "$jobs" -quiet "${patterns[@]}" >"$log" 2>&1 || status=$?
else
    printf '%s\0' "${files[@]}" |
        xargs -0 -P "$jobs" -n 1 clang-tidy -p "$build" --quiet >"$log" 2>&1 || status=$?
fi
echo "clang-tidy took $((SECONDS - start)) s"

# Only the findings, without colours or the "N warnings generated" chatter.
findings="$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/.*:[0-9]+:[0-9]+: (warning|error): ' |
    sort -u || true)"
if [ -n "$findings" ]; then
    echo "$findings"
    echo "Findings per check:"
    echo "$findings" | sed -E 's/.*\[([^],]+).*\]$/\1/' | sort | uniq -c | sort -rn
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "clang-tidy failed without a finding; see $log" >&2
    exit "$status"
fi
echo "No clang-tidy findings."
