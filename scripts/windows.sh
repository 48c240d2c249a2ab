#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kornibelle for 64-bit Windows on Debian 12 and writes its installer and zip to dist/.
# Nothing built for Windows is fetched: Qt, SDL2, libjpeg-turbo and GoogleTest are built from
# Debian's own source packages with Debian's MinGW-w64 compilers, once, into a cache outside
# the clone that later runs and other clones reuse. The game itself is built by the presets
# windows-host (on the build machine: pictures, sounds, icon) and windows (the cross build),
# packaged by cpack. With --test, ctest runs the suites built for Windows under Wine, then the
# zip's game is played under Wine on its own X server.
# --deps-only stops once the dependencies are built.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

mode=${1:-}
case "$mode" in
'' | --test | --deps-only) ;;
*)
    echo "usage: $0 [--test | --deps-only]" >&2
    exit 2
    ;;
esac

jobs=$(nproc)
triplet=x86_64-w64-mingw32
cache=${KORNIBELLE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kornibelle}

elapsed() {
    local started=$1 label=$2
    echo "== $label: $(($(date +%s) - started)) s"
}

# The newest version of a source package in the archive's index, security updates included
# (e.g. 6.4.2+dfsg-10+deb12u1).
debian_version() {
    local version newest=
    for version in $(apt-cache showsrc --only-source "$1" | sed -n 's/^Version: //p'); do
        if [ -z "$newest" ] || dpkg --compare-versions "$version" gt "$newest"; then
            newest=$version
        fi
    done
    echo "$newest"
}

# The dependencies, each built from this version of Debian's source package.
declare -A versions
read_versions() {
    local package
    for package in qt6-base libsdl2 libjpeg-turbo googletest; do
        versions[$package]=$(debian_version "$package")
    done
}
patches=$root/packaging/win32/patches

# Where a source package is unpacked (without the version's epoch, whose colon paths dislike).
source_folder() {
    local version=${versions[$1]}
    echo "$cache/src/${1}_${version#*:}"
}

# Unpacks a source package as Debian ships it, its patches applied (apt-get source runs
# dpkg-source -x), then the project's own patches for it, into $cache/src/, once.
unpack_source() {
    local package=$1 folder
    folder=$(source_folder "$package")
    if [ ! -f "$folder/.unpacked" ]; then
        local download=$folder.download patch
        rm -rf "$folder" "$download"
        mkdir -p "$download"
        (cd "$download" && apt-get source -q "$package=${versions[$package]}" >&2)
        mv "$(find "$download" -mindepth 1 -maxdepth 1 -type d)" "$folder"
        rm -rf "$download"
        for patch in "$patches/$package"-*.patch; do
            if [ -f "$patch" ]; then
                patch -d "$folder" -p1 --forward --quiet <"$patch" >&2
            fi
        done
        touch "$folder/.unpacked"
    fi
    echo "$folder"
}

toolchain=$root/cmake/mingw-w64.cmake

cmake_cross() {
    local source=$1 build=$2
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DKORNIBELLE_MINGW_PREFIX="$prefix" "$@"
    nice -n 19 cmake --build "$build" -j "$jobs"
    cmake --install "$build"
}

build_qt() {
    local source
    local source build=$prefix.build/qt6-base
    source=$(unpack_source qt6-base)
    mkdir -p "$build"
    # An interrupted build goes on where it stopped.
    [ -f "$build/CMakeCache.txt" ] || configure_qt "$source" "$build"
    nice -n 19 cmake --build "$build" -j "$jobs"
    cmake --install "$build"
}

configure_qt() {
    # Only what the game and its tests use: no network, SQL, XML, OpenGL, printing, Direct2D;
    # tablet events off because Debian's source leaves Wintab's header out.
    (cd "$2" && "$1/configure" -prefix "$prefix" -release \
        -xplatform win32-g++ -device-option CROSS_COMPILE=$triplet- \
        -qt-host-path /usr -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -no-pkg-config -no-fontconfig \
        -qt-zlib -qt-libpng -no-libjpeg -no-gif -no-ico -qt-freetype -qt-harfbuzz -qt-pcre \
        -qt-doubleconversion \
        -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent \
        -no-feature-xml \
        -- -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_direct2d1_1=OFF -DFEATURE_sql=OFF \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -G Ninja)
}

build_sdl2() {
    local source
    source=$(unpack_source libsdl2)
    # The game only plays sounds: audio through WASAPI, DirectSound or winmm. (SDL's Windows
    # build does not link without its video part.)
    rm -rf "$prefix.build/libsdl2"
    cmake_cross "$source" "$prefix.build/libsdl2" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
        -DSDL_AUDIO=ON -DSDL_WASAPI=ON -DSDL_DIRECTX=ON \
        -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
}

build_jpeg() {
    local source
    source=$(unpack_source libjpeg-turbo)
    cmake_cross "$source" "$prefix.build/libjpeg-turbo" -DENABLE_SHARED=ON -DENABLE_STATIC=OFF \
        -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
}

build_gtest() {
    local source
    source=$(unpack_source googletest)
    cmake_cross "$source" "$prefix.build/googletest" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON \
        -Dgtest_disable_pthreads=OFF
}

# Builds each dependency once; a stamp in the prefix marks it done.
build_dependencies() {
    local dependency started
    for dependency in qt sdl2 jpeg gtest; do
        if [ ! -f "$prefix/.built-$dependency" ]; then
            started=$(date +%s)
            "build_$dependency"
            touch "$prefix/.built-$dependency"
            elapsed "$started" "dependency $dependency"
        fi
    done
}

# What was built, from which sources, with which patches: the libraries' notices.
library_sources() {
    local package source patch
    echo "Toutes sont construites à partir des paquets source de Debian 12 (bookworm), tels que"
    echo "Debian les publie, ses correctifs appliqués (dpkg-source -x), puis ceux du projet :"
    for package in qt6-base libsdl2 libjpeg-turbo; do
        source=$(source_folder "$package")
        echo
        echo "-- $package ${versions[$package]}"
        echo "   sources : apt-get source $package=${versions[$package]}"
        echo "   correctifs de Debian (debian/patches/series, dans cet ordre) :"
        if [ -f "$source/debian/patches/series" ]; then
            grep -v '^\s*\(#\|$\)' "$source/debian/patches/series" | sed 's/^/     /'
        else
            echo "     aucun"
        fi
        for patch in "$patches/$package"-*.patch; do
            [ -f "$patch" ] || continue
            echo "   correctif du projet ($(basename "$patch"), dans les sources du jeu) :"
            sed 's/^/     /' "$patch"
        done
    done
}

# The licences of the libraries that travel with the program, and where their sources are:
# written beside the libraries, where the Windows build takes them for the program folder.
library_notices() {
    mkdir -p "$prefix/LICENCES"
    {
        echo "Kornibelle pour Windows : les bibliothèques livrées avec le programme"
        echo
        library_sources
        echo
        echo "L'environnement d'exécution de MinGW-w64 vient des paquets binaires de Debian 12"
        echo "(libstdc++, libgcc, winpthreads)."
        echo
        echo "== Qt 6 (Qt6Core, Qt6Gui, Qt6Widgets, plugins) : GNU LGPL version 3"
        cat "$(source_folder qt6-base)/LICENSES/LGPL-3.0-only.txt"
        echo
        echo "== SDL2"
        cat "$(source_folder libsdl2)/LICENSE.txt"
        echo
        echo "== libjpeg-turbo"
        cat "$(source_folder libjpeg-turbo)/LICENSE.md"
        echo
        echo "== MinGW-w64 runtime (libstdc++, libgcc, winpthreads)"
        cat /usr/share/doc/gcc-mingw-w64-base/copyright /usr/share/doc/mingw-w64-common/copyright
    } >"$prefix/LICENCES/Bibliotheques.txt"
}

check_size() {
    local size
    size=$(stat -c %s "$1")
    echo "$(basename "$1"): $((size / 1024 / 1024)) MB"
    if [ "$size" -ge $((30 * 1024 * 1024)) ]; then
        echo "Too large (30 MB at most): $1" >&2
        exit 1
    fi
}

# The dependencies, built once into a prefix of the cache named after their sources.
dependencies() {
    local started
    started=$(date +%s)
    scripts/setup.sh --windows
    elapsed "$started" "packages"
    read_versions
    # One prefix per set of sources: a new Debian version or project patch builds anew.
    prefix=$cache/mingw-debian-$(for package in qt6-base libsdl2 libjpeg-turbo googletest; do
        basename "$(source_folder "$package")"
    done | paste -sd- -)-$(cat "$patches"/*.patch | sha256sum | cut -c1-8)
    mkdir -p "$prefix" "$cache/src"
    build_dependencies
    # Qt's French texts are data, the build machine's the same as Windows' for the same Qt
    # version: copied where the Windows Qt looks for them, for the tests as for the program.
    install -D -m 644 /usr/share/qt6/translations/qtbase_fr.qm "$prefix/translations/qtbase_fr.qm"
    library_notices
    echo "Windows dependencies: $prefix"
}

# The game by the presets: the build machine's part, then the cross build, its zip and installer.
game() {
    local started launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export KORNIBELLE_MINGW_PREFIX=$prefix
    started=$(date +%s)
    cmake --preset windows-host "${launcher[@]}"
    nice cmake --build --preset windows-host -j "$jobs"
    elapsed "$started" "pictures, sounds and icon (build machine)"
    started=$(date +%s)
    cmake --preset windows -DKORNIBELLE_TESTS="$([ "$mode" = --test ] && echo ON || echo OFF)" \
        "${launcher[@]}"
    nice cmake --build --preset windows -j "$jobs"
    elapsed "$started" "game for Windows"
    started=$(date +%s)
    cpack --preset windows
    check_size "dist/Kornibelle-$version-win64.zip"
    check_size "dist/Kornibelle-$version-win64-setup.exe"
    elapsed "$started" "zip and installer"
}

# The suites under Wine, then the zip's game played there. The end-to-end case runs even when
# a suite failed: both verdicts are worth having.
tests() {
    local started suites=0
    export WINEPREFIX=$root/build-windows/win/wine
    mkdir -p "$WINEPREFIX"
    started=$(date +%s)
    # One Wine session for every case, started once here: the helpers a session starts with
    # its first program outlive it, and would hold the output of ctest's first case open.
    /usr/lib/wine/wineserver -p
    build-windows/win/tests/wine.sh build-windows/win/bin/kornibelle_unit_tests.exe \
        --gtest_list_tests </dev/null >/dev/null 2>&1
    ctest --preset windows || suites=1
    # Their Wine session ends before the game's begins: a game started while it lingers joins
    # it, and its windows go to the suites' offscreen desktop.
    /usr/lib/wine/wineserver -k
    /usr/lib/wine/wineserver -w
    elapsed "$started" "tests under Wine"
    started=$(date +%s)
    python3 tests/e2e/windows_e2e.py --binary "dist/Kornibelle-$version-win64.zip" \
        --manifest build-windows/host/catalogue.json zip
    elapsed "$started" "end-to-end case under Wine"
    return $suites
}

main() {
    dependencies
    [ "$mode" = --deps-only ] && return
    game
    [ "$mode" != --test ] || tests
}

version=$(sed -n 's/^project(Kornibelle VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
main
