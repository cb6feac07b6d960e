#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/build.sh"
exec "${RANVIK_BUILD_DIR:-$here/build}/src/ranvik" "$@"
