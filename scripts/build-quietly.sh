#!/usr/bin/env bash
# Builds into build/ with the compiler's output in build/build.log; on a failure prints the
# errors from it and exits 1. Arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
if ! scripts/build.sh "$@" >build/build.log 2>&1; then
  grep -E -B2 -A6 'error|Error' build/build.log | head -n 60
  echo "build failed (build/build.log)" >&2
  exit 1
fi
