#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The style check: every C++ source of the repository formatted as .clang-format says, and
# named as .clang-tidy says, over the compilation database of a build folder (build/, or the
# one given). Run it after that folder is built: clang-tidy reads the headers the build
# generates.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build_dir=${1:-build}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    echo "No compilation database in $build_dir: build it with a preset first (scripts/build.sh)." >&2
    exit 1
fi

mapfile -t sources < <(git ls-files '*.cpp' '*.h')

echo "== Format"
clang-format --dry-run -Werror "${sources[@]}"

echo "== Names"
# The repository's own sources the build compiles, each once; headers are checked through
# them, those of the build folder (generated) left out.
mapfile -t units < <(python3 - "$build_dir/compile_commands.json" "${sources[@]}" <<'PY'
import json, os, sys
tracked = {os.path.realpath(p) for p in sys.argv[2:] if p.endswith('.cpp')}
compiled = {os.path.realpath(os.path.join(e['directory'], e['file']))
            for e in json.load(open(sys.argv[1]))}
print('\n'.join(sorted(tracked & compiled)))
PY
)
folders=$(printf '%s\n' "${sources[@]}" | grep / | cut -d/ -f1 | sort -u | paste -sd'|' -)
printf '%s\n' "${units[@]}" |
    xargs -P "$(nproc)" -n 8 clang-tidy -p "$build_dir" --quiet \
        --header-filter="^$PWD/($folders)/" 2> >(grep -v ' warnings\? generated\.$' >&2)
echo "Style: ${#sources[@]} files formatted, ${#units[@]} sources named as the rules say."
