#!/usr/bin/env bash
# Builds qtbase 6.4.2 for 64-bit Windows (MinGW-w64, posix threads) from Debian's qt6-base
# source package, with Debian's own Qt 6.4.2 tools for the host side (QT_HOST_PATH=/usr), into
# ~/.cache/ranvik-win64/qt-6.4.2 (or $RANVIK_WIN64_CACHE/qt-6.4.2). Only needed when no shared
# build is beside the checkout (../shared/win64/qt-6.4.2). About an hour on two cores.
#
# What is built: Core, Gui, Widgets, PrintSupport, Test as DLLs; the windows, offscreen and
# minimal platforms; the Windows Vista style; Qt's bundled zlib, libpng, libjpeg, freetype,
# harfbuzz, pcre2. Left out: network, sql, xml, concurrent, D-Bus, OpenGL, Vulkan, ICU (the
# Windows NLS functions stand in). Tablet events are off because Debian's +dfsg tarball drops
# the Wintab headers; direct2d stays on, since Qt 6.4's DirectWrite font engine, which
# PrintSupport links against, is only compiled with it.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}"
jobs="${JOBS:-2}"
prefix="$cache/qt-6.4.2"
sources="$cache/sources"
work="$cache/work/qt"
"$here/scripts/windows/deps.sh"

host_version=$(sed -n 's/.*PACKAGE_VERSION "\([0-9.]*\)".*/\1/p' \
    /usr/lib/x86_64-linux-gnu/cmake/Qt6Core/Qt6CoreConfigVersionImpl.cmake | head -1)
[ "$host_version" = 6.4.2 ] || { echo "Debian's Qt is $host_version; 6.4.2 is needed" >&2; exit 1; }

mkdir -p "$sources" "$work"
if ! ls "$sources"/qt6-base_6.4.2*.orig.tar.xz >/dev/null 2>&1; then
    version=$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | grep '^6\.4\.2' | sort -V | tail -1)
    (cd "$sources" && apt-get source --download-only "qt6-base=$version")
fi
source_dir="$work/qtbase-everywhere-src-6.4.2"
if [ ! -f "$source_dir/.unpacked" ]; then
    rm -rf "$source_dir"
    tar -C "$work" -xf "$(ls "$sources"/qt6-base_6.4.2*.orig.tar.xz | head -1)"
    # The upstream security fixes Debian applies to its own 6.4.2 build.
    debian=$(ls "$sources"/qt6-base_6.4.2*.debian.tar.xz 2>/dev/null | sort -V | tail -1 || true)
    if [ -n "$debian" ]; then
        tar -C "$work" -xf "$debian" debian/patches
        for patch in "$work"/debian/patches/cve-*; do
            patch -d "$source_dir" -p1 --forward --batch <"$patch"
        done
    fi
    touch "$source_dir/.unpacked"
fi

nice cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DFEATURE_pkg_config=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_system_textmarkdownreader=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
# Its own CROSSCOMPILING_EMULATOR (from the toolchain) is never used: no Qt tests are built.
nice ninja -C "$work/build" -j"$jobs"
cmake --install "$work/build"
echo "Qt for MinGW in $prefix"
