#!/usr/bin/env bash
# Starts the real window under a virtual X server on the shipped defaults (a 0201 on the
# start-up values) and saves a screenshot of it, by default docs/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/window.png}
scripts/build.sh >/dev/null

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

# Fresh settings: what a new user sees.
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_DATA_DIR= \
  build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"  # still running: it opened
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
