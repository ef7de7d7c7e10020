#!/usr/bin/env bash
# Starts the real window under a virtual X server, types a length of 0 into "Longueur" the way
# a user does (xdotool) and saves a screenshot of the refusal, by default
# docs/refused-entry.png. xdotool comes with scripts/setup-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/refused-entry.png}
[ -n "${SKIP_BUILD:-}" ] || scripts/build.sh >/dev/null

. scripts/xvfb-session.sh

BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state BRONTAXE_DATA_DIR= \
  build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"
# The "Longueur" box, in the window.
type_in_window 221 163 "0"
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
