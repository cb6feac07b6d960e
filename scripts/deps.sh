#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, when any is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev libgl-dev mdbtools-dev libsqlite3-dev
          libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev python3
          libcairo2-dev fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
