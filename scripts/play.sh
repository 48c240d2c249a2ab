#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds the game with its default pictures and sounds, and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh
PRESET=play scripts/build.sh
# The game finds its pictures and sounds in the folder it is started from.
cd build/share/kornibelle
exec ../../bin/kornibelle
