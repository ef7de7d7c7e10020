#!/usr/bin/env bash
# Opens the "Architecture" chooser over the real window under a virtual X server on fresh
# settings (a 0201 top over a 0711 bottom) and saves a screenshot, by default
# docs/architecture.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/architecture.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program architecture "$out"
echo "$out"
