#!/usr/bin/env bash
# Starts the real window under a virtual X server, types a code whose form is not confirmed
# into the code box the way a user does (xdotool) and saves a screenshot of the note beside it,
# by default docs/forme-non-confirmee.png. usage: form-screenshot.sh [OUT] [CODE]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/forme-non-confirmee.png}
code=${2:-0217}
[ -n "${SKIP_BUILD:-}" ] || scripts/build.sh >/dev/null

. scripts/xvfb-session.sh

BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state BRONTAXE_DATA_DIR= \
  build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"
# The code box, in the window.
type_in_window 283 93 "$code"
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
