#!/usr/bin/env bash
# Opens the print preview of the real window under a virtual X server on fresh settings (a
# default 0201, fitted to an A4 landscape page) and saves a screenshot, by default
# docs/print-preview.png. A second argument "reelle" shows the true-scale pages instead.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/print-preview.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target print_preview_shot >/dev/null

work=$(mktemp -d)
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$display_file")

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/print_preview_shot "$out" ${2:-}
echo "$out"
