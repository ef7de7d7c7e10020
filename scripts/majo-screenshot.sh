#!/usr/bin/env bash
# Opens the allowance editor of the real window under a virtual X server on fresh settings
# (a default 0201, its first allowance typed as 13 mm) and saves a screenshot, by default
# docs/majorations.png. The editor is abandoned afterwards: the tables stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/majorations.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target majo_editor_shot >/dev/null

. scripts/xvfb-session.sh

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/majo_editor_shot "$out"
echo "$out"
