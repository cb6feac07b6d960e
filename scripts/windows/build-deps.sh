#!/usr/bin/env bash
# Builds the libraries the Windows build links, from Debian's source packages, as static
# MinGW-w64 libraries in a cache folder named by their versions (so a second build reuses
# them): SQLite, libpng, pixman and cairo (the standings' PDF), GoogleTest from
# /usr/src/googletest, and libmdb from mdbtools when its source can be had (see
# docs/PACKAGING.md). zlib comes built from Debian's libz-mingw-w64-dev, SimpleIni's header
# from libsimpleini-dev.
#
# Prints the prefix (the last line of its output); RANVIK_WIN64_CACHE moves the cache
# (default ~/.cache/ranvik-win64), JOBS sets the build's jobs (default 2).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${RANVIK_WIN64_CACHE:-$HOME/.cache/ranvik-win64}"
jobs="${JOBS:-2}"
host=x86_64-w64-mingw32
toolchain="$here/cmake/mingw-w64-x86_64.cmake"
sources="$cache/sources"
mkdir -p "$sources"

log() { printf '[build-deps %s] %s\n' "$(date +%T)" "$*" >&2; }

# The source package's Debian version (the archive's candidate), e.g. 3.40.1-2+deb12u2.
source_version() {
    apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -1
}

# Downloads a source package once: the newest version of Debian 12's sources the archive gives
# whole (a mirror may lack the files of the latest security update), else the next release's
# (Debian 13), through a source list of this script's own, so apt's own setup is unchanged.
# False when neither gives the upstream tarball.
fetch() {
    local package=$1 version
    if ! ls "$sources/${package}_"*.orig.tar.* >/dev/null 2>&1; then
        for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV); do
            log "apt-get source $package=$version"
            (cd "$sources" && apt-get source --download-only "$package=$version" >&2) && break
            rm -f "$sources/${package}_$version"*.dsc
        done
    fi
    if ! ls "$sources/${package}_"*.orig.tar.* >/dev/null 2>&1; then
        local next="$cache/apt-debian13"
        mkdir -p "$next/lists/partial"
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
            "http://deb.debian.org/debian trixie main" >"$next/sources.list"
        local options=(-o Dir::Etc::sourcelist="$next/sources.list" -o Dir::Etc::sourceparts=-
                       -o Dir::State::Lists="$next/lists")
        log "$package: not whole in Debian 12's sources; trying Debian 13's"
        apt-get "${options[@]}" update >&2 || true
        (cd "$sources" && apt-get "${options[@]}" source --download-only "$package/trixie" >&2) || true
    fi
    ls "$sources/${package}_"*.orig.tar.* >/dev/null 2>&1
}

# Unpacks the upstream tarball into $2 and applies Debian's patches that change the
# library's code; patches touching only the build system (configure.ac, Makefile.in, the
# config scripts) are for Debian's own shared-library build and are left out.
unpack() {
    local package=$1 dest=$2 orig debian
    orig=$(ls "$sources/${package}_"*.orig.tar.* | head -1)
    rm -rf "$dest" && mkdir -p "$dest"
    tar -C "$dest" --strip-components=1 -xf "$orig"
    debian=$(ls "$sources/${package}_"*.debian.tar.* 2>/dev/null | sort -V | tail -1 || true)
    if [ -z "$debian" ]; then
        log "$package: no Debian patch set in the archive; upstream source as Debian ships it"
        return
    fi
    tar -C "$dest" -xf "$debian" debian/patches 2>/dev/null || return 0
    local series="$dest/debian/patches/series" patch files
    local build_files='(configure\.ac[^/]*|Makefile[^/]*|\.am|-config[^/]*\.in|/(build|tool|test|perf|util)/.*)$'
    [ -f "$series" ] || return 0
    while read -r patch; do
        case "$patch" in '' | '#'*) continue ;; esac
        files=$(grep -E '^\+\+\+ ' "$dest/debian/patches/$patch" | awk '{print $2}')
        if ! grep -qvE "$build_files" <<<"$files"; then
            continue
        fi
        patch -d "$dest" -p1 --forward --batch --silent <"$dest/debian/patches/$patch" >&2 ||
            { log "$package: patch $patch does not apply"; exit 1; }
    done <"$series"
}

for tool in $host-gcc-posix $host-g++-posix cmake ninja make tclsh; do
    command -v "$tool" >/dev/null || { log "missing $tool: run scripts/windows/deps.sh"; exit 1; }
done

sqlite_v=$(source_version sqlite3)
png_v=$(source_version libpng1.6)
pixman_v=$(source_version pixman)
cairo_v=$(source_version cairo)
mdb_v=$(source_version mdbtools)  # its files may come from Debian 13 (fetch)
gtest_v=$(dpkg-query -W -f='${Version}' googletest)
# The prefix is named by every version and by the recipe's number (raise it when a build
# step below changes), so a change to either builds anew.
recipe=2
stamp=$(printf '%s\n' "$sqlite_v" "$png_v" "$pixman_v" "$cairo_v" "$mdb_v" "$gtest_v" "$recipe" |
    sha1sum | cut -c1-10)
prefix="$cache/deps-sqlite$sqlite_v-cairo$cairo_v-$stamp"
work="$cache/work"
mkdir -p "$prefix/include" "$prefix/lib/pkgconfig" "$work"
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig:/usr/$host/lib/pkgconfig"
export PKG_CONFIG_PATH=
cross_env=(CC="$host-gcc-posix" CXX="$host-g++-posix" AR="$host-gcc-ar-posix"
           RANLIB="$host-gcc-ranlib-posix" CFLAGS="-O2" CPPFLAGS="-I$prefix/include"
           LDFLAGS="-L$prefix/lib")
done_mark() { [ -f "$prefix/.built-$1" ]; }
mark() { touch "$prefix/.built-$1"; }

build_sqlite3() {
    log "SQLite $sqlite_v"
    unpack sqlite3 "$work/sqlite3"
    # The amalgamation is generated by host tools (lemon, mkkeywordhash, tclsh), then compiled
    # for Windows alone; SQLite takes UTF-8 file names and opens them as UTF-16 itself.
    (cd "$work/sqlite3" && ./configure --disable-tcl >/dev/null && nice make -s sqlite3.c >&2)
    nice "$host-gcc-posix" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
        -c "$work/sqlite3/sqlite3.c" -o "$work/sqlite3/sqlite3.o"
    rm -f "$prefix/lib/libsqlite3.a"
    "$host-gcc-ar-posix" rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3/sqlite3.o"
    cp "$work/sqlite3/sqlite3.h" "$prefix/include/"
    cat >"$prefix/lib/pkgconfig/sqlite3.pc" <<EOF
prefix=$prefix
Name: SQLite
Description: SQL database engine (Debian source $sqlite_v)
Version: ${sqlite_v%%-*}
Libs: -L\${prefix}/lib -lsqlite3
Cflags: -I\${prefix}/include
EOF
    mark sqlite3
}

build_libpng() {
    log "libpng $png_v"
    unpack libpng1.6 "$work/libpng"
    cmake -S "$work/libpng" -B "$work/libpng-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF >/dev/null
    nice cmake --build "$work/libpng-build" -j"$jobs" >&2
    cmake --install "$work/libpng-build" >/dev/null
    mark libpng
}

build_pixman() {
    log "pixman $pixman_v"
    unpack pixman "$work/pixman"
    (cd "$work/pixman" &&
        ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
            --disable-gtk --disable-libpng --disable-openmp "${cross_env[@]}" >/dev/null &&
        nice make -s -j"$jobs" -C pixman >&2 && make -s -C pixman install >/dev/null &&
        make -s install-pkgconfigDATA >/dev/null)
    mark pixman
}

build_cairo() {
    log "cairo $cairo_v"
    unpack cairo "$work/cairo"
    # PDF through the Windows font system (GDI): no fontconfig or FreeType on Windows.
    (cd "$work/cairo" &&
        ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
            --enable-win32 --enable-win32-font --enable-pdf --enable-png --disable-ps \
            --disable-svg --disable-script --disable-interpreter --disable-trace \
            --disable-xlib --disable-xcb --disable-ft --disable-fc --disable-gobject \
            --disable-full-testing --disable-gtk-doc "${cross_env[@]}" \
            CPPFLAGS="-I$prefix/include -DCAIRO_WIN32_STATIC_BUILD" >/dev/null &&
        nice make -s -j"$jobs" -C src libcairo.la >&2 &&
        make -s -C src install-libLTLIBRARIES install-cairoincludeHEADERS \
            install-nodist_cairoincludeHEADERS install-pkgconfigDATA >/dev/null)
    mark cairo
}

build_mdbtools() {
    log "mdbtools (libmdb) $(ls "$sources"/mdbtools_*.orig.tar.* | sed 's/.*mdbtools_//; s/\.orig.*//')"
    # MinGW has no iconv: a small one over the Windows code pages (packaging/windows/iconv), so
    # libmdb converts names exactly as it does with glibc's.
    cp "$here/packaging/windows/iconv/iconv.h" "$prefix/include/"
    "$host-gcc-posix" -O2 -Wall -c "$here/packaging/windows/iconv/iconv.c" -I"$prefix/include" \
        -o "$work/iconv.o"
    rm -f "$prefix/lib/libiconv.a"
    "$host-gcc-ar-posix" rcs "$prefix/lib/libiconv.a" "$work/iconv.o"
    unpack mdbtools "$work/mdbtools"
    rm -f "$prefix/include/mdb"*.h # a former build's headers would come before its own
    # Its own small stand-in for glib (--disable-glib), so no glib is cross-built. The iconv
    # check is answered here: configure's link test fails on the libtool-only -no-undefined it
    # adds for MinGW. MinGW-w64 10 calls the locale type _locale_t; upstream's
    # -D_spawnv=spawnv is for another MinGW.
    (cd "$work/mdbtools" && autoreconf -fi >/dev/null 2>&1 &&
        ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
            --disable-glib --disable-man "${cross_env[@]}" \
            am_cv_func_iconv=yes am_cv_lib_iconv=yes LIBICONV=-liconv LTLIBICONV=-liconv \
            >/dev/null &&
        sed -i 's/typedef locale_t mdb_locale_t/typedef _locale_t mdb_locale_t/' include/mdbtools.h &&
        nice make -s -j"$jobs" -C src/libmdb CFLAGS="-O2 -Wall" >&2 &&
        make -s -C src/libmdb install >/dev/null && make -s -C include install >/dev/null)
    cat >"$prefix/lib/pkgconfig/libmdb.pc" <<EOF
prefix=$prefix
Name: libmdb
Description: Access database reading (mdbtools, Debian source)
Version: $(sed -n 's/^Version: //p' "$work/mdbtools/libmdb.pc")
Libs: -L\${prefix}/lib -lmdb -liconv
Cflags: -I\${prefix}/include
EOF
    mark mdbtools
}

build_googletest() {
    log "GoogleTest $gtest_v from /usr/src/googletest"
    cmake -S /usr/src/googletest -B "$work/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF >/dev/null
    nice cmake --build "$work/googletest-build" -j"$jobs" >&2
    cmake --install "$work/googletest-build" >/dev/null
    mark googletest
}

# The sources first, one download at a time; then the builds, two at once where one does not
# need the other (SQLite, libmdb and GoogleTest beside the libpng-pixman-cairo chain): most
# of their steps (configure, SQLite's one large file) keep only one core busy.
for package in sqlite3 libpng1.6 pixman cairo mdbtools; do
    step=${package%1.6}
    done_mark "$step" || fetch "$package" || { log "$package source not in the archive"; exit 1; }
done
side=()
for step in sqlite3 mdbtools googletest; do
    done_mark "$step" || { "build_$step" & side+=($!); }
done
for step in libpng pixman cairo; do
    done_mark "$step" || "build_$step"
done
for job in "${side[@]}"; do
    wait "$job" || { log "a library failed to build (see above)"; exit 1; }
done

cp -u /usr/include/SimpleIni.h /usr/include/ConvertUTF.h "$prefix/include/" 2>/dev/null ||
    cp -u /usr/include/SimpleIni.h "$prefix/include/"
echo "$prefix"
