#!/usr/bin/env bash
# Builds what the Windows build links against, from Debian's own sources of the versions the
# Linux build uses: ICU (static, with only the data Talvora reads), a static qtbase, OpenSSL's
# libcrypto, Hunspell and GoogleTest, all for MinGW-w64, into a cache outside the tree. Each of them
# has a stamp of its versions and options: one whose stamp matches is reused, one whose stamp
# changed is built again, alone.
# Usage: tools/windows-toolchain.sh
#   TALVORA_WINDOWS_CACHE  the cache folder (default /var/cache/talvora-windows)
#   TALVORA_JOBS           parallel compile jobs (default: the number of cores)
#   TALVORA_KEEP_WORK=1    keep the sources and build trees (several GB) after a good build
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${TALVORA_WINDOWS_CACHE:-/var/cache/talvora-windows}
jobs=${TALVORA_JOBS:-$(nproc)}
prefix=$cache/mingw
work=$cache/work
log=$cache/toolchain.log
toolchain=$here/tools/mingw-toolchain.cmake
mingw=x86_64-w64-mingw32

qt_version=6.4.2
icu_version=72.1
openssl_version=3.0
openssl_options=(no-shared no-tests no-module)
hunspell_version=1.7.1
# GoogleTest's sources come with Debian's googletest package.
gtest_source=/usr/src/googletest

# Wine's fonts and Xvfb are for running the Windows programs here.
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 fonts-wine xvfb xauth nsis icoutils zip
          dpkg-dev ca-certificates cmake ninja-build make perl python3 g++
          qt6-base-dev qt6-base-dev-tools googletest libcli11-dev libhunspell-dev)

icu_options=(--enable-static --disable-shared --disable-tests --disable-samples --disable-extras)
# ICU's own tools for Windows would link against DLL import libraries that a static build lacks.
icu_windows_options=(--disable-tools)

# Only the data Talvora reads; the rest of ICU's data (collation, time zones, names of
# languages, regions and units, transliteration, break dictionaries) is 23 MB of .exe.
# Converters are kept when single-byte, the only kind the code pages accept; number
# spelling needs the locales, their rules and, for its symbols, the currencies.
icu_keep=('^[^/]+\.res$' '^rbnf/' '^curr/' '^cnvalias\.icu$' '^[^/]+\.nrm$'
          '^(pnames|uprops|ucase|ubidi|ulayout|uemoji)\.icu$')

qt_options=(-release -static -static-runtime -xplatform win32-g++ -qt-host-path /usr
            -nomake examples -nomake tests -no-icu -no-opengl -no-dbus
            -no-feature-sql -no-feature-network -no-feature-printsupport
            -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
            -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-freetype)
qt_cmake_options=(-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
                  "-DCMAKE_TOOLCHAIN_FILE=$toolchain")

# A component's stamp names its version and everything else that shapes it.
stamp_of() {
    case $1 in
    icu) printf 'icu %s\n' "$icu_version"
         printf '%s\n' "${icu_options[@]}" "${icu_windows_options[@]}" "${icu_keep[@]}" ;;
    qt) printf 'qt %s\n' "$qt_version"
        printf '%s\n' "${qt_options[@]}" "${qt_cmake_options[@]##-DCMAKE_TOOLCHAIN_FILE=*}"
        # The compiler and its flags, not where the libraries are found.
        grep -v FIND_ROOT_PATH "$toolchain" ;;
    crypto) printf 'openssl %s\n' "$openssl_version"; printf '%s\n' "${openssl_options[@]}" ;;
    hunspell) printf 'hunspell %s\n' "$hunspell_version"; declare -f build_hunspell ;;
    gtest) printf 'googletest %s\n' "$(dpkg-query -W -f='${Version}' googletest)" ;;
    cli11) printf 'cli11 %s\n' "$(dpkg-query -W -f='${Version}' libcli11-dev)" ;;
    esac | sha256sum | cut -c1-16
}

say() { printf '%s\n' "$*" | tee -a "$log"; }

# Runs one stage unless an earlier, interrupted run of the same stamp finished it; logs its
# wall time.
stage() {
    local name=$1 stamp=$2 start
    shift 2
    if [ -e "$work/$name.done" ] && [ "$(cat "$work/$name.done")" = "$stamp" ]; then
        say "$name: done before"
        return
    fi
    say "$name: started $(date -u +%H:%M:%S)"
    start=$(date +%s)
    # A subshell, so that errexit holds inside the stage and its cd and exports stay there.
    set +e
    (set -e; "$@") >>"$work/$name.out" 2>&1
    local status=$?
    set -e
    if [ $status -ne 0 ]; then
        say "$name: FAILED, see $work/$name.out"
        tail -n 30 "$work/$name.out" >&2
        exit 1
    fi
    say "$name: $(($(date +%s) - start)) s"
    echo "$stamp" >"$work/$name.done"
}

install_packages() {
    . "$here/tools/packages.sh"
    install_missing "${packages[@]}" "${hunspell_packages[@]}"
}

# The Debian mirror this machine already uses, from either sources format.
debian_mirror() {
    {
        sed -nE 's/^deb(-src)?[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+bookworm[[:space:]].*/\3/p' \
            /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
        awk 'BEGIN { RS = "" }
             /(^|\n)Suites:[^\n]*[ \t]bookworm([ \t\n]|$)/ && match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/) {
                 s = substr($0, RSTART, RLENGTH); sub(/.*URIs:[ \t]*/, "", s); print s
             }' /etc/apt/sources.list.d/*.sources 2>/dev/null
    } | head -n 1
}

# apt-get with a private list holding only bookworm's sources; the system's lists stay as they are.
private_apt() {
    apt-get -o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/parts" \
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" \
        -o APT::Sandbox::User=root "$@"
}

# Downloads the named source packages of bookworm into $work/src.
debian_sources() {
    local mirror keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || { echo "No Debian bookworm mirror in /etc/apt/sources.list*"; return 1; }
    mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
    echo "deb-src [signed-by=$keyring] $mirror bookworm main" >"$work/apt/sources.list"
    [ -e "$work/apt/updated" ] || { private_apt update && touch "$work/apt/updated"; }
    (cd "$work/src" && private_apt source --download-only "$@")
}

fetch_sources() {
    debian_sources qt6-base icu openssl
    # The newest bookworm revision is taken, but the upstream versions must be the Linux build's.
    local want
    for want in "qt6-base_$qt_version" "icu_$icu_version" "openssl_$openssl_version"; do
        compgen -G "$work/src/$want*.dsc" >/dev/null || {
            echo "The mirror offers $(cd "$work/src" && ls ./*.dsc), not $want"
            return 1
        }
    done
}

unpack_sources() {
    cd "$work/src"
    rm -rf qtbase icu openssl
    dpkg-source -x qt6-base_"$qt_version"*.dsc qtbase
    dpkg-source -x icu_"$icu_version"*.dsc icu
    dpkg-source -x openssl_"$openssl_version"*.dsc openssl
}

build_icu_native() {
    rm -rf "$work/icu-native" && mkdir -p "$work/icu-native" && cd "$work/icu-native"
    "$work/src/icu/source/configure" "${icu_options[@]}"
    make -j"$jobs"
}

# Trims the prebuilt data archive the Windows build packs, with the native build's icupkg.
build_icu_data() {
    local dat full tools=$work/icu-native
    dat=$(ls "$work/src/icu/source/data/in/"icudt*l.dat)
    # The untrimmed archive keeps its name: icupkg checks it against the items' prefix.
    full=$work/icu-full/$(basename "$dat")
    [ -e "$full" ] || { mkdir -p "$work/icu-full" && cp "$dat" "$full"; }
    local list=$work/icu-data
    rm -rf "$list" && mkdir -p "$list/items"
    export LD_LIBRARY_PATH=$tools/lib
    "$tools/bin/icupkg" -l "$full" | sed 's/\r$//' >"$list/all.txt"
    "$tools/bin/icupkg" -d "$list/items" -x "$list/all.txt" "$full"
    local keep
    keep=$(IFS='|'; echo "${icu_keep[*]}")
    : >"$list/drop.txt"
    local item size header
    while read -r item; do
        if [[ $item == *.cnv ]]; then
            # maxBytesPerChar of UConverterStaticData, which follows the data header.
            header=$(od -An -tu2 -N2 "$list/items/$item" | tr -d ' ')
            size=$(od -An -tu1 -j $((header + 71)) -N1 "$list/items/$item" | tr -d ' ')
            [ "$size" = 1 ] && continue
        elif [[ $item =~ $keep ]]; then
            continue
        fi
        echo "$item" >>"$list/drop.txt"
    done <"$list/all.txt"
    "$tools/bin/icupkg" -r "$list/drop.txt" "$full" "$dat"
    echo "kept $(($(wc -l <"$list/all.txt") - $(wc -l <"$list/drop.txt"))) of $(wc -l <"$list/all.txt") items," \
        "$(stat -c %s "$dat") of $(stat -c %s "$full") bytes"
}

build_icu_windows() {
    rm -rf "$work/icu-windows" "$prefix/icu" && mkdir -p "$work/icu-windows" && cd "$work/icu-windows"
    "$work/src/icu/source/configure" "${icu_options[@]}" "${icu_windows_options[@]}" --host=$mingw \
        --with-cross-build="$work/icu-native" --prefix="$prefix/icu" \
        CC=$mingw-gcc-posix CXX=$mingw-g++-posix CPPFLAGS=-DU_STATIC_IMPLEMENTATION
    make -j"$jobs"
    # MinGW's install puts the data library into bin/, which only the tools (off here) make,
    # and leaves one without data in lib/.
    mkdir -p "$prefix/icu/bin"
    make install
    mv -f "$prefix/icu/bin/sicudt.a" "$prefix/icu/lib/libsicudt.a"
    # The static libraries' "s" prefix is one FindICU guesses only for MSVC: give its names too.
    local name
    for name in uc in dt; do
        ln -sf "libsicu$name.a" "$prefix/icu/lib/libicu$name.a"
    done
}

build_qt_configure() {
    rm -rf "$work/qt-windows" "$prefix/qt" && mkdir -p "$work/qt-windows" && cd "$work/qt-windows"
    "$work/src/qtbase/configure" -prefix "$prefix/qt" "${qt_options[@]}" -- "${qt_cmake_options[@]}"
}

build_qt_build() {
    cd "$work/qt-windows"
    cmake --build . --parallel "$jobs"
    cmake --install .
}

# Only libcrypto, for the dictionaries' SHA-256, as the Linux build uses it.
build_crypto() {
    rm -rf "$work/crypto" "$prefix/crypto" && cp -a "$work/src/openssl" "$work/crypto" && cd "$work/crypto"
    ./Configure mingw64 "${openssl_options[@]}" --cross-compile-prefix=$mingw- \
        --prefix="$prefix/crypto" --libdir=lib
    make -j"$jobs" build_libs
    make install_dev
}

build_gtest() {
    rm -rf "$work/gtest" "$prefix/gtest" && mkdir -p "$work/gtest" && cd "$work/gtest"
    cmake "$gtest_source" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix/gtest" -Dgtest_disable_pthreads=OFF
    cmake --build . --parallel "$jobs"
    cmake --install .
}

# A header-only library: Debian's headers, where a cross build finds them.
build_cli11() {
    rm -rf "$prefix/cli11" && mkdir -p "$prefix/cli11/include"
    cp -r /usr/include/CLI "$prefix/cli11/include/"
}

# Only the library, compiled straight from its sources: its autotools build is not needed for
# a static archive.
build_hunspell() {
    debian_sources hunspell
    cd "$work/src" && rm -rf hunspell && dpkg-source -x hunspell_"$hunspell_version"*.dsc hunspell
    rm -rf "$prefix/hunspell" && mkdir -p "$prefix/hunspell/lib" "$prefix/hunspell/include/hunspell"
    cd hunspell/src/hunspell
    sed 's/@HAVE_VISIBILITY@/0/' hunvisapi.h.in >hunvisapi.h
    local file
    for file in *.cxx; do
        $mingw-g++-posix -O2 -DHUNSPELL_STATIC -I. -c "$file" -o "${file%.cxx}.o" &
    done
    wait
    $mingw-ar rcs "$prefix/hunspell/lib/libhunspell.a" ./*.o
    cp hunspell.hxx hunspell.h hunvisapi.h w_char.hxx atypes.hxx "$prefix/hunspell/include/hunspell/"
}

# Builds a component unless its stamp matches; a changed one starts over, alone.
component() {
    local name=$1 stamp
    shift
    stamp=$(stamp_of "$name")
    if [ "$(cat "$prefix/$name.stamp" 2>/dev/null)" = "$stamp" ]; then
        say "$name: up to date"
        return
    fi
    # Marks of another stamp are another build's: its stages run again.
    local s
    for s in "$@"; do
        [ "$(cat "$work/$s.done" 2>/dev/null)" = "$stamp" ] || rm -f "$work/$s.done"
    done
    for s in "$@"; do
        stage "$s" "$stamp" "build_${s//-/_}"
    done
    echo "$stamp" >"$prefix/$name.stamp"
}

mkdir -p "$cache" "$work" "$prefix"
renice -n 19 -p $$ >/dev/null # a long, low-priority build: the machine stays usable
say "Windows toolchain, $(date -u '+%F %T') UTC, $jobs jobs, into $prefix"
total=$(date +%s)
stage packages "${packages[*]}" install_packages
# The sources are fetched again only when a component needs building.
if [ "$(for c in icu qt crypto; do [ "$(cat "$prefix/$c.stamp" 2>/dev/null)" = "$(stamp_of $c)" ] || echo $c; done)" ]; then
    stage sources "$qt_version $icu_version $openssl_version" fetch_sources
    stage unpack "$qt_version $icu_version $openssl_version" unpack_sources
fi
component icu icu-native icu-data icu-windows
component qt qt-configure qt-build
component crypto crypto
component gtest gtest
component cli11 cli11
component hunspell hunspell
say "toolchain: $(($(date +%s) - total)) s in all, $(du -sh "$prefix" | cut -f1) installed"
[ "${TALVORA_KEEP_WORK:-}" = 1 ] || rm -rf "$work"
