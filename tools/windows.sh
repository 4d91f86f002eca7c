#!/usr/bin/env bash
# Builds Talvora for 64-bit Windows on this Debian machine: the libraries first (once, into a
# cache outside the tree, see windows-toolchain.sh), then the program folder build-windows/
# with talvora.exe, talvora-cli.exe, the dictionaries and the help pages, a portable zip of
# it and an installer, Talvora-Setup.exe.
# Usage: tools/windows.sh [--test]
#   --test  also runs the test suite's Windows executables under Wine (Xvfb for the windows)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/build-windows
cache=${TALVORA_WINDOWS_CACHE:-/var/cache/talvora-windows}
export TALVORA_WINDOWS_CACHE=$cache
jobs=${TALVORA_JOBS:-$(nproc)}
test=false
[ "${1:-}" = --test ] && test=true

started=$(date +%s)
"$here/tools/windows-toolchain.sh"
toolchain_done=$(date +%s)

# Test programs run under Wine from the build on (to list their tests): a Wine prefix of
# its own, with Wine's fonts where Windows programs look for them.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
    mkdir -p "$out"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
fi
cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

ui=ON
[ -e "$cache/mingw/qt/lib/cmake/Qt6/Qt6Config.cmake" ] || ui=OFF
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/tools/mingw-toolchain.cmake" \
    -DTALVORA_BUILD_UI=$ui -DTALVORA_BUILD_TESTS=ON -DTALVORA_BUILD_BENCH=OFF -DTALVORA_BUILD_FUZZ=OFF
cmake --build "$out" --parallel "$jobs"

# The program folder as users get it: the programs, dictionaries and help pages only.
version=$(sed -n 's/^project(Talvora VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
stage=$out/package/Talvora
rm -rf "$out/package" && mkdir -p "$stage"
for f in "$out"/talvora.exe "$out"/talvora-cli.exe "$out"/*.dic "$out"/*.htm "$out"/DICTIONARIES.md; do
    [ -e "$f" ] && cp "$f" "$stage/"
done
cp "$here/LICENSE" "$stage/LICENSE.txt"
cp -r "$out/hunspell" "$stage/"
(cd "$out/package" && rm -f "../Talvora-$version-windows.zip" && zip -q -r -X "../Talvora-$version-windows.zip" Talvora)
{
    echo '!macro InstallFiles'
    for f in "$stage"/*; do
        name=$(basename "$f")
        case $name in
        hunspell) ;;
        *.dic) echo "SetOverwrite off"; echo "File \"$stage/$name\""; echo "SetOverwrite on" ;;
        *) echo "File \"$stage/$name\"" ;;
        esac
    done
    # The language's own dictionaries that Tidy asks: the program's, replaced on update.
    echo 'SetOutPath "$INSTDIR\hunspell"'
    for f in "$stage"/hunspell/*; do echo "File \"$f\""; done
    echo 'SetOutPath "$INSTDIR"'
    echo '!macroend'
    echo '!macro RemoveFiles'
    for f in "$stage"/*; do
        case $f in *.dic|*/hunspell) ;; *) echo "Delete \"\$INSTDIR\\$(basename "$f")\"" ;; esac
    done
    for f in "$stage"/hunspell/*; do echo "Delete \"\$INSTDIR\\hunspell\\$(basename "$f")\""; done
    echo 'RMDir "$INSTDIR\hunspell"'
    echo '!macroend'
    echo '!macro RemoveDictionaries'
    for f in "$stage"/*.dic; do echo "Delete \"\$INSTDIR\\$(basename "$f")\""; done
    echo '!macroend'
} >"$out/package/files.nsh"
makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DICON="$here/data/icons/talvora.ico" \
    -DOUTFILE="$out/Talvora-Setup.exe" -DFILES="$out/package/files.nsh" "$here/tools/talvora.nsi"
built=$(date +%s)
echo "Windows build: $out ($(du -sh "$stage" | cut -f1) program folder," \
    "Talvora-$version-windows.zip, Talvora-Setup.exe); toolchain $((toolchain_done - started)) s," \
    "Talvora $((built - toolchain_done)) s"

if $test; then
    # QtTest programs need a display even for console tests.
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$out" --output-on-failure --timeout 600 -j "$jobs"
    echo "Windows tests: $(($(date +%s) - built)) s"
fi
