#!/usr/bin/env bash
# Configures and builds into build/ (or the directory given by BUILD_DIR), passing any
# extra arguments to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
