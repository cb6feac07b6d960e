#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, when any is missing. Given package
# names (e.g. the lint tools clang-format and clang-tidy), installs only those.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev libgl-dev mdbtools-dev libsqlite3-dev
          libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev python3
          # The icons, the desktop entry and MIME type checks, and the Debian package.
          librsvg2-bin desktop-file-utils libxml2-utils shared-mime-info dpkg-dev file lintian
          # Standings as PDF (cairo, its font) and the tests that read the PDF back.
          libcairo2-dev fonts-dejavu-core poppler-utils
          # The window's French: lupdate/lrelease, their CMake support, Qt's own French.
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
if [ $# -gt 0 ]; then
    packages=("$@")
fi
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
