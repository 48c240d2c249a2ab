#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds with the tests and runs them all; then builds the same suite with
# AddressSanitizer and UndefinedBehaviorSanitizer (leak detection on) and runs it again.
# Fails when anything fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh

# Tests that start the real program need a display; the others run offscreen.
run_tests() {
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$1" --output-on-failure -j "$(nproc)" --timeout 300
}

echo "== Build and tests"
PRESET=dev scripts/build.sh
run_tests build

echo "== Build and tests with AddressSanitizer and UndefinedBehaviorSanitizer"
# The default pictures and sounds are not needed by the tests: the preset does not make them.
PRESET=sanitize scripts/build.sh
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_tests build-sanitize
