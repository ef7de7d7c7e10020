#!/usr/bin/env bash
# Opens the allowance editor of the real window under a virtual X server on fresh settings
# (a default 0201, its first allowance typed as 13 mm) and saves a screenshot, by default
# docs/majorations.png. The editor is abandoned afterwards: the tables stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/majorations.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program majo "$out"
echo "$out"
