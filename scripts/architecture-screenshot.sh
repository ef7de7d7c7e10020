#!/usr/bin/env bash
# Opens the "Architecture" chooser over the real window under a virtual X server on fresh
# settings (a 0201 top over a 0711 bottom) and saves a screenshot, by default
# docs/architecture.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/architecture.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target architecture_shot >/dev/null

. scripts/xvfb-session.sh

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/architecture_shot "$out"
echo "$out"
