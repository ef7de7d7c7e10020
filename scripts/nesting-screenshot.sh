#!/usr/bin/env bash
# The optimised imposition in the real window under a virtual X server on fresh settings: a
# 0430 of 200 x 150 x 80 on a 2000 x 1500 sheet with quarter turns allowed, its offer (by
# default docs/imposition-optimisee-offre.png) and the sheet once it is taken, in two blocks
# of different turns (docs/imposition-optimisee.png).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/imposition-optimisee.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program imposition "$out"
echo "$out"
