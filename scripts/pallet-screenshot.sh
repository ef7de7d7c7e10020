#!/usr/bin/env bash
# Opens the pallet assistant of the real window under a virtual X server on fresh settings (no
# palletisation program configured, so Brontaxe works the pallet out itself) and saves a
# screenshot, by default docs/pallet-assistant.png. A second argument "saisie" shows the inputs
# before the calculation.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/pallet-assistant.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program palette "$out" ${2:-}
echo "$out"
