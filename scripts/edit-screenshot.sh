#!/usr/bin/env bash
# Screenshots of the edit mode at work on a 0201, under a virtual X server on fresh settings:
#   selection  a line picked, its properties in the dock, a window dragged right to left
#   ligne      the line tool from a corner, the snap marker "Milieu" and the rubber band
#   decoupe    a rounded window cut out of the front panel, a crease over a cut marked
#   verrou     the length changed after an edit: "Abandonner les modifications ?"
# Each goes to docs/edition-WHAT.png; with no argument, all four.
# Usage: scripts/edit-screenshot.sh [WHAT [OUT]]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/shot-program.sh
shoot() {
  local out=${2:-docs/edition-$1.png}
  mkdir -p "$(dirname "$out")"
  # One virtual X server each: every picture starts from the same fresh window.
  ( run_shot_program "edition-$1" "$out" ) && echo "$out"
}
if [ $# -eq 0 ]; then
  for what in selection ligne decoupe verrou; do shoot "$what"; done
else
  shoot "$@"
fi
