#!/usr/bin/env bash
# Opens the pallet assistant of the real window under a virtual X server on fresh settings (no
# palletisation program configured, so Brontaxe works the pallet out itself) and saves a
# screenshot, by default docs/pallet-assistant.png. A second argument "saisie" shows the inputs
# before the calculation.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/pallet-assistant.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target pallet_assistant_shot >/dev/null

. scripts/xvfb-session.sh

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/pallet_assistant_shot "$out" ${2:-}
echo "$out"
