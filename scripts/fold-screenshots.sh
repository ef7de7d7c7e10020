#!/usr/bin/env bash
# Opens the real window and its "Vue pliée 3D" under a virtual X server on fresh settings and
# saves the folding of a 0201, a 0427 and a 0713 at 50 % and 100 % in docs/ (or the folder
# given), with the whole screen on the first.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
. scripts/shot-program.sh
mkdir -p "$out"
run_shot_program pliage "$out" 0201 0427 0713
ls "$out"/pliage-*.png
