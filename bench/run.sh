#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-release scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DBRONTAXE_TESTS=OFF \
  -DBRONTAXE_BENCH=ON >/dev/null
build-release/bin/brontaxe_bench --benchmark_counters_tabular=true "$@"
