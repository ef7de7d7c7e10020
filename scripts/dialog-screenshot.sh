#!/usr/bin/env bash
# Opens a dialog of the real window under a virtual X server on fresh settings and saves a
# screenshot: rcv ("Calcul RCV"), modele (the template chooser), fiche (the questionnaire of
# the shipped template, filled in), dessin (the filled sheet beside the blank) or suivie (the
# sheet filled in for a length of 450 mm, shown after the length became 460), autres
# ("Autres Dimensions" on its tab TAB, 0 to 8, of a CODE, 0201 by default) or outils (the
# "Outils" menu open).
# Usage: scripts/dialog-screenshot.sh rcv|modele|fiche|dessin|suivie|outils [OUT]
#        scripts/dialog-screenshot.sh autres OUT TAB [CODE]
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:?rcv, modele, fiche, dessin, suivie, autres ou outils}
out=${2:-docs/dialog-$what.png}
. scripts/shot-program.sh
mkdir -p "$(dirname "$out")"
run_shot_program "$what" "$out" "${@:3}"
echo "$out"
