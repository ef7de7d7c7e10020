#!/usr/bin/env bash
# Starts the real window under a virtual X server on the shipped defaults (a 0201 on the
# start-up values) and saves a screenshot of it, by default docs/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/window.png}
scripts/build.sh >/dev/null

. scripts/xvfb-session.sh

# Fresh settings: what a new user sees.
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state BRONTAXE_DATA_DIR= \
  build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"  # still running: it opened
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
