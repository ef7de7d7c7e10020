#!/usr/bin/env bash
# Configures and builds build-asan/: clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (float-to-int overflow included), Debug, with the tests, the window and the libFuzzer
# targets. The sanitizer tests (scripts/test.sh --sanitize) and the fuzzing run
# (scripts/fuzz.sh) both use it, so CI compiles the sources under the sanitizers once.
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-asan CC=clang CXX=clang++ scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ \
  -DBRONTAXE_SANITIZE=ON -DBRONTAXE_FUZZ=ON -DBRONTAXE_TESTS=ON -DCMAKE_BUILD_TYPE=Debug "$@"
