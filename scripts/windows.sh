#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kornibelle for 64-bit Windows on Debian 12 and writes its installer and zip to dist/.
# Nothing built for Windows is fetched: Qt, SDL2, libjpeg-turbo and GoogleTest are built from
# Debian's own source packages with Debian's MinGW-w64 compilers, once, into a cache outside
# the clone that later runs and other clones reuse; build-windows/dependencies.cmake tells the
# windows preset where they are. The game itself is built and packaged by the presets'
# workflows: windows-host (on the build machine: pictures, sounds, icon), then windows-package
# (the cross build, its zip and installer). With --test, the windows workflow runs the suites
# built for Windows under Wine before packaging, then the zip's game is played under Wine on
# its own X server.
# --deps-only stops once the dependencies are built and described.
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
packages=(qt6-base libsdl2 libjpeg-turbo googletest)
declare -A versions
read_versions() {
    local package
    for package in "${packages[@]}"; do
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

# The toolchain file is the one place of the MinGW triplet and of the build machine's Qt.
toolchain=$root/cmake/mingw-w64.cmake
triplet=$(sed -n 's/^set(KORNIBELLE_MINGW_TRIPLET \(.*\))$/\1/p' "$toolchain")

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
    # tablet events off because Debian's source leaves Wintab's header out. The build machine's
    # Qt, whose tools the cross build runs, is the toolchain file's.
    (cd "$2" && "$1/configure" -prefix "$prefix" -release \
        -xplatform win32-g++ -device-option CROSS_COMPILE="$triplet-" \
        -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -no-pkg-config -no-fontconfig \
        -qt-zlib -qt-libpng -no-libjpeg -no-gif -no-ico -qt-freetype -qt-harfbuzz -qt-pcre \
        -qt-doubleconversion \
        -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent \
        -no-feature-xml \
        -- -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_direct2d1_1=OFF -DFEATURE_sql=OFF \
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

# What CMake needs to know of the dependencies: their prefix, and each source package's version
# and unpacked folder (the Windows package's notices say what was built from them). Beside this
# clone's build trees, where the windows preset finds it without being told the prefix, which
# only this script computes; rewritten only when it changes, so that CMake does not configure
# again for nothing.
describe_dependencies() {
    local package description=build-windows/dependencies.cmake
    mkdir -p build-windows
    {
        echo "# Written by scripts/windows.sh: the Windows dependencies this clone builds with."
        echo "set(KORNIBELLE_MINGW_PREFIX \"$prefix\")"
        for package in "${packages[@]}"; do
            echo "set(KORNIBELLE_MINGW_${package}_VERSION \"${versions[$package]}\")"
            echo "set(KORNIBELLE_MINGW_${package}_SOURCE \"$(source_folder "$package")\")"
        done
    } >"$description.new"
    if cmp -s "$description.new" "$description"; then
        rm "$description.new"
    else
        mv "$description.new" "$description"
    fi
    echo "Windows dependencies: $prefix"
}

# The dependencies, built once into a prefix of the cache named after their sources.
dependencies() {
    local started
    started=$(date +%s)
    scripts/setup.sh --windows
    elapsed "$started" "packages"
    read_versions
    # One prefix per set of sources: a new Debian version or project patch builds anew.
    prefix=$cache/mingw-debian-$(for package in "${packages[@]}"; do
        basename "$(source_folder "$package")"
    done | paste -sd- -)-$(cat "$patches"/*.patch | sha256sum | cut -c1-8)
    mkdir -p "$prefix" "$cache/src"
    build_dependencies
    describe_dependencies
}

# The game by the presets' workflows: the build machine's part, then the cross build, its zip
# and installer (CPack checks their size); with --test, its suites under Wine before the packages.
game() {
    local started
    if command -v ccache >/dev/null; then
        export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    fi
    export CMAKE_BUILD_PARALLEL_LEVEL=$jobs
    started=$(date +%s)
    nice cmake --workflow --preset windows-host
    elapsed "$started" "pictures, sounds and icon (build machine)"
    if [ "$mode" = --test ]; then
        tests
    else
        started=$(date +%s)
        nice cmake --workflow --preset windows-package
        elapsed "$started" "game for Windows, zip and installer"
    fi
}

# The windows workflow (its suites under Wine), then the zip's game played there. A failing
# suite stops the workflow before the packages, which are then made without the suites: the
# end-to-end case runs even so, both verdicts being worth having.
tests() {
    local started suites=0
    export WINEPREFIX=$root/build-windows/win/wine
    started=$(date +%s)
    nice cmake --workflow --preset windows || suites=1
    # Their Wine session ends, a few seconds after their last program, before the game's begins:
    # a game started while it lingers joins it, and its windows go to the suites' offscreen
    # desktop.
    /usr/lib/wine/wineserver -w
    elapsed "$started" "game for Windows, tests under Wine, zip and installer"
    if [ $suites = 1 ]; then
        nice cmake --workflow --preset windows-package
    fi
    started=$(date +%s)
    # The newest zip is the one just made.
    python3 tests/e2e/windows_e2e.py --binary "$(ls -t dist/Kornibelle-*-win64.zip | head -n 1)" \
        --manifest build-windows/host/catalogue.json zip
    elapsed "$started" "end-to-end case under Wine"
    return $suites
}

main() {
    dependencies
    [ "$mode" = --deps-only ] && return
    game
}

main
