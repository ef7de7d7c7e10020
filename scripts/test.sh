#!/usr/bin/env bash
# Sets up a fresh machine, builds and runs the whole test suite.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#                               (scripts/build-asan.sh, shared with the fuzz targets)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build-asan.sh
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
  ctest --test-dir build-asan --output-on-failure -j2
else
  scripts/build.sh -DBRONTAXE_TESTS=ON
  ctest --test-dir build --output-on-failure -j2
fi
