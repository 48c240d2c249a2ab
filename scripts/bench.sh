#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds an optimised copy (the bench preset: Release, into build-bench/ or $BUILD_DIR) and runs the benchmarks
# offscreen and silent: every figure printed beside its reference and their ratio, then the
# peak resident memory of a session of 10 games beside one of 1,000. Extra arguments go to the
# benchmark program, e.g. scripts/bench.sh --benchmark_filter=DessineScene
# With --build-only first, stops once built: continuous integration compiles this way what only
# optimisation warns about.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh
export BUILD_DIR=${BUILD_DIR:-build-bench}
PRESET=bench scripts/build.sh
if [ "${1:-}" = --build-only ]; then
    exit 0
fi
bin=$BUILD_DIR/bin

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The offscreen platform warns about window hints it ignores.
quiet() { "$@" 2> >(grep -v 'propagateSizeHints' >&2); }

echo "== Machine"
echo "processors: $(nproc); $(lscpu | sed -n 's/^Model name: *//p' | head -n 1);" \
    "memory: $(free -h | awk '/^Mem:/ {print $2}'); build: Release"

echo "== Benchmarks"
quiet "$bin/kornibelle_bench" "$@"

echo "== Peak resident memory of a session (games played through the press handler)"
peak() {
    local line
    line=$(quiet "$bin/kornibelle_bench_parties" "$1")
    echo "$line" >&2
    sed -n 's/.*VmHWM_kB=\([0-9]*\).*/\1/p' <<<"$line"
}
small=$(peak 10)
large=$(peak 1000)
difference=$((large - small))
verdict=$([ "$difference" -le 2048 ] && echo "ok<=2048 kB" || echo "NO>2048 kB")
printf '%-24s %10s kB\n' "10 games" "$small" "1000 games" "$large" "difference" "$difference"
printf '%-24s %10s     %s\n' "ratio 1000/10" "$(awk "BEGIN {printf \"%.3f\", $large / $small}")" \
    "$verdict"
