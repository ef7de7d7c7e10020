#!/usr/bin/env bash
# Configures and builds build-asan/: clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (float-to-int overflow included), Debug at -O1, with the tests, the window and the libFuzzer
# targets. The sanitizer tests (scripts/test.sh --sanitize) and the fuzzing run
# (scripts/fuzz.sh) both use it, so CI compiles the sources under the sanitizers once.
# -O1, as the sanitizers' documentation advises: at -O0 the window tests that save a design of
# ten thousand poses took minutes each, against seconds in the normal build, and one program
# outran its time limit.
# Line tables only for the debug information: a report names the file and line of every frame,
# and the compile takes less time than with the variables' descriptions as well.
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-asan CC=clang CXX=clang++ scripts/build.sh -DCMAKE_CXX_COMPILER=clang++ \
  -DBRONTAXE_SANITIZE=ON -DBRONTAXE_FUZZ=ON -DBRONTAXE_TESTS=ON -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" "$@"
