#!/usr/bin/env bash
# Puts beside Windows programs the DLLs they need: every DLL they import, followed through the
# DLLs' own imports (x86_64-w64-mingw32-objdump), taken from the Qt for MinGW and Debian's
# MinGW runtime; and the Qt plugins Qt loads by name at run time (the platform, the native
# style), with what those import in turn, Qt's French and a qt.conf pointing Qt there. Windows'
# own DLLs are left to Windows.
#
# Usage: deploy.sh QT_PREFIX FOLDER [PROGRAM.exe...]   (default: every .exe in FOLDER)
#   PLUGINS (optional): plugin files under QT_PREFIX/plugins, by default the window's and the
#   offscreen platform the tests use.
set -euo pipefail
qt=$1
folder=$2
shift 2
programs=("$@")
[ ${#programs[@]} -gt 0 ] || mapfile -t programs < <(find "$folder" -maxdepth 1 -name '*.exe')
objdump=x86_64-w64-mingw32-objdump
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
search=("$qt/bin" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)
plugins=${PLUGINS:-"platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll imageformats/qico.dll"}

declare -A seen
imports() {
    "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr -d '\r'
}
follow() {
    local dll from
    for dll in $(imports "$1"); do
        [ -n "${seen[${dll,,}]:-}" ] && continue
        seen[${dll,,}]=1
        for from in "${search[@]}"; do
            if [ -f "$from/$dll" ]; then
                cp -u "$from/$dll" "$folder/"
                follow "$from/$dll"
                break
            fi
        done
    done
}

for program in "${programs[@]}"; do
    follow "$program"
done
if [ -f "$folder/Qt6Gui.dll" ]; then
    for plugin in $plugins; do
        [ -f "$qt/plugins/$plugin" ] || continue
        mkdir -p "$folder/$(dirname "$plugin")"
        cp -u "$qt/plugins/$plugin" "$folder/$plugin"
        follow "$qt/plugins/$plugin"
    done
    # Qt looks for its plugins and translations beside the programs, not where Qt was built:
    # the installed program and the test programs alike. Qt's own French (the standard
    # buttons) is Debian's, of the same Qt version.
    mkdir -p "$folder/translations"
    cp -u /usr/share/qt6/translations/qtbase_fr.qm "$folder/translations/"
    printf '[Paths]\nPrefix = .\nTranslations = translations\nPlugins = .\n' >"$folder/qt.conf"
fi
