#!/usr/bin/env bash
# Opens a dialog of the real window under a virtual X server on fresh settings and saves a
# screenshot: rcv ("Calcul RCV"), modele (the template chooser), fiche (the questionnaire of
# the shipped template, filled in) or dessin (the filled sheet beside the blank).
# Usage: scripts/dialog-screenshot.sh rcv|modele|fiche|dessin [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:?rcv, modele, fiche ou dessin}
out=${2:-docs/dialog-$what.png}
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target sheet_dialogs_shot >/dev/null

. scripts/xvfb-session.sh

mkdir -p "$(dirname "$out")"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
  build/bin/sheet_dialogs_shot "$out" "$what"
echo "$out"
