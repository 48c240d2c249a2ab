#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kornibelle for 64-bit Windows on Debian 12 and writes its installer and zip to dist/.
# Nothing built for Windows is fetched: Qt, SDL2, libjpeg-turbo and GoogleTest are built from
# Debian's own source packages with Debian's MinGW-w64 compilers, once, into a cache outside
# the clone that later runs and other clones reuse. With --test, the suites built for Windows
# run under Wine, then the zip's game is played under Wine on its own X server.
# --deps-only stops once the dependencies are built.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

mode=${1:-}
case "$mode" in
'' | --test | --deps-only) ;;
*)
    echo "usage : $0 [--test | --deps-only]" >&2
    exit 2
    ;;
esac

jobs=$(nproc)
triplet=x86_64-w64-mingw32
cache=${KORNIBELLE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kornibelle}

elapsed() {
    local started=$1 label=$2
    echo "== $label : $(($(date +%s) - started)) s"
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
patches=$root/packaging/windows/patches

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
            elapsed "$started" "dépendance $dependency"
        fi
    done
}

version=$(sed -n 's/^project(Kornibelle VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$root/build-windows
stage=$work/Kornibelle

# The build machine's own build: the asset generator and the icon's renderer run here.
build_host() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$work/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORNIBELLE_TESTS=OFF \
        -DKORNIBELLE_ASSETS=ON "${launcher[@]}"
    nice cmake --build "$work/host" -j "$jobs" --target kornibelle_assets kornibelle_render_icon \
        kornibelle_catalogue_manifest
    local size pngs=()
    mkdir -p "$work/icon"
    for size in 16 24 32 48 64 128 256; do
        "$work/host/packaging/kornibelle_render_icon" \
            packaging/io.github.kornibelle.Kornibelle.svg "$size" "$work/icon/$size.png"
        pngs+=("$work/icon/$size.png")
    done
    convert "${pngs[@]}" "$work/icon/Kornibelle.ico"
}

build_game() {
    local tests=OFF launcher=()
    [ "$mode" = --test ] && tests=ON
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$work/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORNIBELLE_MINGW_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DKORNIBELLE_ASSETS=OFF -DKORNIBELLE_TESTS=$tests "${launcher[@]}" \
        -DKORNIBELLE_WINDOWS_ICON="$work/icon/Kornibelle.ico" \
        -DKORNIBELLE_WINDOWS_PACK="$work/host/share/kornibelle"
    nice cmake --build "$work/win" -j "$jobs"
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

# The licences of the libraries that travel with the program, and where their sources are.
library_notices() {
    local notices=$stage/LICENCES/Bibliotheques.txt
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
    } >"$notices"
}

# The program folder, stripped: what the zip and the installer hold.
stage_program() {
    rm -rf "$stage"
    cmake --install "$work/win" --prefix "$stage"
    find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec $triplet-strip --strip-unneeded {} +
    library_notices
}

# The installer's licence page: the game's licence, then the notices of the pictures and
# sounds (the photographs' GPL among them) and of the libraries.
licence_page() {
    {
        echo "Kornibelle est un logiciel libre. Vous trouverez ci-dessous sa licence, puis celles"
        echo "des images et des sons, et celles des bibliothèques livrées avec lui ; elles sont"
        echo "aussi dans le dossier LICENCES du jeu."
        echo
        local file others=()
        for file in "$stage"/LICENCES/*.txt; do
            case "$(basename "$file")" in
            Kornibelle.txt | files.txt) ;;
            *) others+=("$file") ;;
            esac
        done
        for file in "$stage/LICENCES/Kornibelle.txt" "${others[@]}"; do
            echo "==== $(basename "$file" .txt)"
            cat "$file"
            echo
        done
    } >"$work/Licences.txt"
}

make_zip() {
    local zip=$root/dist/Kornibelle-$version-win64.zip
    rm -f "$zip"
    (cd "$work" && zip -q -r -9 -X "$zip" Kornibelle)
    echo "$zip"
}

# The uninstaller removes the files it installed, one by one, then the folders left empty:
# the settings a user may have written beside the program stay.
make_installer() {
    local list=$work/uninstall.nsh file
    (
        cd "$stage"
        find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|^|  Delete "$INSTDIR\\|; s|$|"|'
        find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|^|  RMDir "$INSTDIR\\|; s|$|"|'
    ) >"$list"
    licence_page
    local installer=$root/dist/Kornibelle-$version-win64-setup.exe
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
        -DUNINSTALL_LIST="$list" -DLICENCES="$work/Licences.txt" -DOUTFILE="$installer" \
        -DICON="$work/icon/Kornibelle.ico" packaging/windows/Kornibelle.nsi
    echo "$installer"
}

check_size() {
    local size
    size=$(stat -c %s "$1")
    echo "$(basename "$1") : $((size / 1024 / 1024)) Mo"
    if [ "$size" -ge $((30 * 1024 * 1024)) ]; then
        echo "Trop gros (30 Mo au plus) : $1" >&2
        exit 1
    fi
}

# The program and every library built here keep Windows' address randomisation (64-bit wide)
# and non-executable data; the game has a stack protector too.
check_hardening() {
    local binary header flag
    for binary in "$stage/Kornibelle.exe" "$stage"/Qt6*.dll "$stage/SDL2.dll" "$stage"/libjpeg-*.dll \
        "$stage"/platforms/*.dll "$stage"/styles/*.dll; do
        header=$($triplet-objdump -p "$binary" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
        for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
            grep -qw "$flag" <<<"$header" ||
                { echo "$binary : sans $flag" >&2 && return 1; }
        done
    done
    # Read whole first: grep -q stopping early would fail objdump's pipe.
    header=$($triplet-objdump -p "$stage/Kornibelle.exe")
    grep -q '__stack_chk_fail' <<<"$header" ||
        { echo "Kornibelle.exe : sans protection de la pile" >&2 && return 1; }
    echo "Durcissement : vérifié"
}

# Windows paths of folders of the build machine, as Wine sees them (its drive Z: is /).
wine_paths() {
    local folder paths=()
    for folder in "$@"; do
        paths+=("Z:${folder//\//\\}")
    done
    (IFS=';' && echo "${paths[*]}")
}

# The suites built for Windows, run by Wine in a prefix of the build tree, offscreen; Wine
# finds the DLLs through WINEPATH and Qt its plugins through QT_PLUGIN_PATH. A case that
# cannot run there is left out by name in tests/windows-excluded.txt, with its reason.
run_tests() {
    local runtime failed=0 binary filter
    runtime=$(dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)")
    export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
    export WINEPATH
    WINEPATH=$(wine_paths "$prefix/bin" "$(realpath "$runtime")" /usr/$triplet/lib)
    export QT_PLUGIN_PATH
    QT_PLUGIN_PATH=$(wine_paths "$prefix/plugins")
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    filter=-$({ grep -v '^#' tests/windows-excluded.txt || true; } | cut -d' ' -f1 | paste -sd: -)
    for binary in "$work"/win/bin/kornibelle_*tests.exe; do
        echo "== $(basename "$binary")"
        (cd "$work/win/tests" && /usr/lib/wine/wine64 "$binary" --gtest_filter="$filter" \
            --gtest_brief=1) || failed=1
    done
    # Their Wine session ends before the game's begins: a game started while it lingers joins
    # it, and its windows go to the suites' offscreen desktop.
    /usr/lib/wine/wineserver -w
    return $failed
}

started=$(date +%s)
scripts/setup.sh --windows
elapsed "$started" "paquets"

read_versions
# One prefix per set of sources: a new Debian version or project patch builds anew.
prefix=$cache/mingw-debian-$(for package in qt6-base libsdl2 libjpeg-turbo googletest; do
    basename "$(source_folder "$package")"
done | paste -sd- -)-$(cat "$patches"/*.patch | sha256sum | cut -c1-8)
mkdir -p "$prefix" "$cache/src"
build_dependencies
# Qt's French texts are data, the build machine's the same as Windows' for the same Qt version:
# copied where the Windows Qt looks for them, for the tests as for the program folder.
install -D -m 644 /usr/share/qt6/translations/qtbase_fr.qm "$prefix/translations/qtbase_fr.qm"
echo "Dépendances Windows : $prefix"
[ "$mode" = --deps-only ] && exit 0

started=$(date +%s)
build_host
elapsed "$started" "images, sons et icône (machine de construction)"
started=$(date +%s)
build_game
elapsed "$started" "jeu pour Windows"
started=$(date +%s)
mkdir -p dist
stage_program
check_size "$(make_zip)"
check_size "$(make_installer)"
elapsed "$started" "zip et installateur"

if [ "$mode" = --test ]; then
    # The end-to-end case runs even when a suite failed: both verdicts are worth having.
    started=$(date +%s)
    suites=0
    check_hardening || suites=1
    run_tests || suites=1
    elapsed "$started" "tests sous Wine"
    started=$(date +%s)
    WINEPREFIX="$work/wine" python3 tests/e2e/windows_e2e.py \
        --binary "dist/Kornibelle-$version-win64.zip" --manifest "$work/host/catalogue.json" zip
    elapsed "$started" "cas de bout en bout sous Wine"
    exit $suites
fi
