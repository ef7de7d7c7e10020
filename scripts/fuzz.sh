#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a few seconds (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
mkdir -p build-fuzz
if ! BUILD_DIR=build-fuzz CC=clang CXX=clang++ scripts/build.sh -DBRONTAXE_FUZZ=ON \
  -DBRONTAXE_TESTS=OFF -DBRONTAXE_APP=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >build-fuzz/build.log 2>&1; then
  grep -E -B2 -A6 'error|Error' build-fuzz/build.log | head -n 60
  echo "fuzz build failed (build-fuzz/build.log)" >&2
  exit 1
fi
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "== $name: ${seconds}s"
  "$target" -max_total_time="$seconds" -artifact_prefix=build-fuzz/ "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
