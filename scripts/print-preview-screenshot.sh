#!/usr/bin/env bash
# Opens the print preview of the real window under a virtual X server on fresh settings (a
# default 0201, fitted to an A4 landscape page) and saves a screenshot, by default
# docs/print-preview.png. A second argument "reelle" shows the true-scale pages instead.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/print-preview.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program apercu "$out" ${2:-}
echo "$out"
