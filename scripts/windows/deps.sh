#!/usr/bin/env bash
# Installs the Debian packages the Windows cross build, its tests under Wine and the installer
# need, when any is missing, and adds a deb-src entry when apt has none (the libraries are
# built from Debian's source packages with `apt-get source`).
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
          # zlib for MinGW, as Debian builds it (cairo and libpng need it).
          libz-mingw-w64-dev
          cmake ninja-build pkg-config make autoconf automake libtool gawk bison flex dpkg-dev
          # Debian's own Qt 6.4.2 tools (moc, rcc, uic, lrelease) do the host side of the Qt build.
          qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev
          # The tests and the installer's checks run under Wine, the window on a virtual display.
          wine64 wine fonts-wine xvfb xauth x11-apps x11-utils xdotool netpbm imagemagick
          nsis libgtest-dev libgmock-dev libsimpleini-dev fonts-dejavu-core python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# `apt-get source` needs a deb-src line; Debian 12's images ship deb lines only.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding a deb-src entry for Debian's source packages"
    $SUDO tee /etc/apt/sources.list.d/ranvik-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $SUDO apt-get update
fi
