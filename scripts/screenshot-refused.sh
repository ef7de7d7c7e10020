#!/usr/bin/env bash
# Starts the real window under a virtual X server, types a length of 0 into "Longueur" the way
# a user does (xdotool) and saves a screenshot of the refusal, by default
# docs/refused-entry.png. xdotool comes with scripts/setup-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/refused-entry.png}
[ -n "${SKIP_BUILD:-}" ] || scripts/build.sh >/dev/null

work=$(mktemp -d)
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$display_file")

BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= \
  build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"
# The "Longueur" box of the window's fixed layout at 1440 x 900.
xdotool mousemove 207 163 click 1
sleep 0.3
xdotool key ctrl+a type "0"
xdotool key Return
sleep 1
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
