#!/usr/bin/env bash
# Starts the real window under a virtual X server on fresh settings, presses F1 and saves a
# picture of the help window that opens, once SEARCHED was searched for in the manual (by
# default docs/aide.png, at the first picture).
#   scripts/help-screenshot.sh [OUT] [SEARCHED]
# PROGRAM=/usr/bin/brontaxe takes the installed program instead of the build's (docs/aide.png
# was taken so, the package installed: the window names the installed PDF).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/aide.png}")
searched=${2-inconnu : la case}
program=${PROGRAM:-build/bin/brontaxe}
[ -n "${PROGRAM:-}" ] || scripts/build-quietly.sh

. scripts/xvfb-session.sh
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state \
  BRONTAXE_DATA_DIR= BRONTAXE_FIRST_PAINT=$work/painted "$program" &
app=$!
for _ in $(seq 1 600); do [ -s "$work/painted" ] && break; sleep 0.1; done
main=$(xdotool search --sync --onlyvisible --name '^Brontaxe' | head -n1)
xdotool windowfocus --sync "$main" key F1
help=$(xdotool search --sync --onlyvisible --name '^Aide de Brontaxe$' | head -n1)
if [ -n "$searched" ]; then
  xdotool windowfocus --sync "$help" key ctrl+f
  xdotool type --delay 20 "$searched"
  xdotool key Return
fi
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$help" "$out"
echo "$out"
