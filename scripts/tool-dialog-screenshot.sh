#!/usr/bin/env bash
# Opens a tool dialog of the real window under a virtual X server on fresh settings and saves
# a screenshot: "passages" (the machine passes of a two-piece 0201, by default
# docs/passages.png) or "section" (a 0201 cut at 700 mm, docs/section.png).
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:-passages}
out=${2:-docs/$which.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program "$which" "$out"
echo "$out"
