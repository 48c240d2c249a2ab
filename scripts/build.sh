#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures with a preset of CMakePresets.json ($PRESET, dev by default) and builds with Ninja
# into the preset's folder (build/ for dev), or $BUILD_DIR. Extra arguments go to cmake, e.g.
# scripts/build.sh -DKORNIBELLE_TESTS=OFF. Does not install anything: see setup.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

preset=${PRESET:-dev}
configure=(--preset "$preset")
build=(--preset "$preset")
if [ -n "${BUILD_DIR:-}" ]; then
    configure+=(-B "$BUILD_DIR")
    build=("$BUILD_DIR")
fi
if command -v ccache >/dev/null; then
    configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake "${configure[@]}" "$@"
cmake --build "${build[@]}" -j "$(nproc)"
