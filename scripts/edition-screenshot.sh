#!/usr/bin/env bash
# Screenshots of the real window under a virtual X server on fresh settings:
#   edition       the "Édition" menu after a length was changed  (docs/edition.png)
#   recuperation  the question offering back a design left unsaved (docs/recuperation.png)
#   majo0427      the allowance editor of a 0427                  (docs/majorations-0427.png)
#   remplacer     "Sauver" over a file saved before a restart      (docs/remplacer.png)
#   decoupe       a die-line imposed 2 x 1, saved and reopened      (docs/decoupe-rouverte.png)
# Usage: scripts/edition-screenshot.sh WHAT [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:?edition, recuperation, majo0427, remplacer or decoupe}
shown=$what code=
case $what in
  edition) default=docs/edition.png ;;
  recuperation) default=docs/recuperation.png ;;
  majo0427) default=docs/majorations-0427.png shown=majo code=0427 ;;
  remplacer) default=docs/remplacer.png ;;
  decoupe) default=docs/decoupe-rouverte.png ;;
  *) echo "unknown picture: $what" >&2; exit 2 ;;
esac
out=${2:-$default}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program "$shown" "$out" $code
echo "$out"
