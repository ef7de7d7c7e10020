#!/usr/bin/env bash
# Starts a Brontaxe window and waits, up to a minute, until it has painted its drawing; then
# closes it. Exits 0 when it painted, else prints what it said and exits 1. The caller sets
# the window's environment (QT_QPA_PLATFORM=offscreen, its settings and drive-C folders).
#   scripts/window-paints.sh PROGRAM SCRATCH_DIR
set -uo pipefail
program=$1
stamp=$2/painted
log=$2/window.log
rm -f "$stamp"
BRONTAXE_FIRST_PAINT=$stamp "$program" >"$log" 2>&1 &
window=$!
for _ in $(seq 1 600); do
  [ -s "$stamp" ] || ! kill -0 "$window" 2>/dev/null && break
  sleep 0.1
done
painted=0
[ -s "$stamp" ] && painted=1 && kill "$window"
wait "$window" 2>/dev/null || true
[ "$painted" -eq 1 ] && exit 0
echo "the window painted nothing: $(cat "$log")"
exit 1
