#!/usr/bin/env bash
# Makes the Windows installer build-win64/ranvik-<version>-setup.exe with NSIS from the
# Windows build (scripts/windows/build.sh first): the two programs, the Qt and MinGW DLLs and
# the Qt plugins they need (deploy.sh, from the programs' imports), Qt's own French for the
# standard buttons (Ranvik's French is inside the programs), the DejaVu fonts the standings'
# PDF is drawn with, and their licences. packaging/windows/ranvik.nsi says what it installs.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${RANVIK_WIN64_BUILD_DIR:-$here/build-win64}"
"$here/scripts/windows/deps.sh"
qt="$("$here/scripts/windows/find-qt.sh")"
version=$(sed -n 's/^project(Ranvik VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
[ -f "$build/bin/ranvik.exe" ] && [ -f "$build/bin/ranvik-cli.exe" ] ||
    { echo "No Windows build in $build: run scripts/windows/build.sh first" >&2; exit 1; }
started=$SECONDS

stage="$build/installer/Ranvik"
rm -rf "$build/installer"
mkdir -p "$stage/translations" "$stage/fonts" "$stage/licences"
cp "$build/bin/ranvik.exe" "$build/bin/ranvik-cli.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/ranvik.exe" "$stage/ranvik-cli.exe"
PLUGINS="platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll" \
    "$here/scripts/windows/deploy.sh" "$qt" "$stage" "$stage/ranvik.exe" "$stage/ranvik-cli.exe"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$stage/fonts/"
cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/licences/DejaVu-fonts.txt"
cp /usr/share/doc/qt6-base-dev/copyright "$stage/licences/Qt.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/MinGW-w64-runtime.txt"
cp /usr/share/doc/libz-mingw-w64/copyright "$stage/licences/zlib.txt"
cp "$here/packaging/debian/copyright" "$stage/licences/Ranvik.txt"

# The installer's file lists, folders first, so the uninstaller removes exactly these.
files="$build/installer/files.nsh"
removals="$build/installer/removals.nsh"
: >"$files"
: >"$removals"
(cd "$stage" && find . -type d | sort) | while read -r folder; do
    folder=${folder#./}
    windows=${folder//\//\\}
    echo "SetOutPath \"\$INSTDIR${windows:+\\$windows}\"" >>"$files"
    (cd "$stage/$folder" && find . -maxdepth 1 -type f | sort) | while read -r file; do
        file=${file#./}
        echo "File \"$stage/${folder:+$folder/}$file\"" >>"$files"
        echo "Delete \"\$INSTDIR\\${windows:+$windows\\}$file\"" >>"$removals"
    done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r folder; do
    folder=${folder#./}
    echo "RMDir \"\$INSTDIR\\${folder//\//\\}\"" >>"$removals"
done
echo "SetOutPath \"\$INSTDIR\"" >>"$files"

setup="$build/ranvik-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
    -DICON="$build/packaging/windows/ranvik.ico" -DFILES="$files" -DREMOVALS="$removals" \
    -DOUTFILE="$setup" "$here/packaging/windows/ranvik.nsi"
echo "$setup ($(du -h "$setup" | cut -f1), $((SECONDS - started)) s)"
