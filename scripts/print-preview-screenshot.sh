#!/usr/bin/env bash
# Opens the print preview of the real window under a virtual X server on fresh settings (a
# default 0201, fitted to an A4 landscape page) and saves a screenshot, by default
# docs/print-preview.png. A second argument "reelle" shows the true-scale pages instead.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/print-preview.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target print_preview_shot >/dev/null

. scripts/xvfb-session.sh

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/print_preview_shot "$out" ${2:-}
echo "$out"
