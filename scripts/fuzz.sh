#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the fuzz targets (the fuzz preset: clang, in build-fuzz/) and runs each for the given number of
# seconds (60 by default). Findings are written to build-fuzz/trouvailles/<target>/.
set -eu
duree=${1:-60}
racine=$(cd "$(dirname "$0")/.." && pwd)
build="$racine/build-fuzz"

cd "$racine"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

"$build/bin/fuzz_graines" "$build/graines"
# The targets write every input to a scratch file: in memory that is many times faster.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
statut=0
for cible in litbitmap inifile; do
    mkdir -p "$build/corpus/$cible" "$build/trouvailles/$cible"
    echo "== fuzz_$cible, ${duree} s"
    set --
    if [ -f "$racine/fuzz/$cible.dict" ]; then set -- "-dict=$racine/fuzz/$cible.dict"; fi
    "$build/bin/fuzz_$cible" "$build/corpus/$cible" "$build/graines/$cible" "$@" \
        -max_total_time="$duree" -timeout=30 -rss_limit_mb=3072 -max_len=65536 \
        -artifact_prefix="$build/trouvailles/$cible/" -print_final_stats=1 || statut=1
done
exit $statut
