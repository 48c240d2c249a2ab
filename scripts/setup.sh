#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building, playing, testing and packaging need on Debian 12, only what is
# missing, then the npm packages of the asset generator. Safe to run again. With --windows,
# also what the Windows build needs (scripts/windows.sh), and a source entry for Debian's
# archive, so that apt-get source works.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    build-essential cmake ninja-build pkg-config ccache clang clang-format clang-tidy file dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
    libjpeg62-turbo-dev libsdl2-dev libvorbis-dev libxcb1-dev tuxpaint-stamps-default espeak-ng
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils fonts-dejavu-core imagemagick python3
    xfwm4 openbox xfce4-panel dbus-x11
    desktop-file-utils appstream lintian
)
# A Node.js installed by other means (for instance with npm bundled) is kept as it is.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
windows=
if [ "${1:-}" = --windows ]; then
    windows=yes
    packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine64 nsis zip xz-utils perl)
fi

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing needs root or sudo: ${missing[*]}" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

# The archive's sources, as deb-src entries beside its deb ones.
sources=
if [ -n "$windows" ] &&
    ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            as_root tee /etc/apt/sources.list.d/kornibelle-sources.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            as_root tee /etc/apt/sources.list.d/kornibelle-sources.list >/dev/null
    fi
    sources=added
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "$sources" ]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The asset generator draws on npm packages; reinstall only when the manifests changed.
if [ -f package.json ]; then
    stamp=node_modules/.kornibelle-installed
    manifests=$(cat package.json package-lock.json 2>/dev/null | sha256sum | cut -d' ' -f1)
    if [ "$(cat "$stamp" 2>/dev/null)" != "$manifests" ]; then
        if [ -f package-lock.json ]; then
            npm ci --no-audit --no-fund
        else
            npm install --no-audit --no-fund
        fi
        echo "$manifests" >"$stamp"
    fi
fi
