#!/usr/bin/env bash
# The real window killed outright after a change, then started again. Under a virtual X server
# on fresh settings: a length of 456 is typed into "Longueur" the way a user does (xdotool), the
# program is killed (kill -9: no handler runs), the design it left aside must print the figures
# brontaxe-cli gives for that design, and the second start answers "Oui" to the question that
# offers it back; the window is then saved as a screenshot, by default docs/recuperee.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/recuperee.png}
[ -n "${SKIP_BUILD:-}" ] || scripts/build.sh >/dev/null

. scripts/xvfb-session.sh

export BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state \
  BRONTAXE_DATA_DIR=
build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
kill -0 "$app"
# The "Longueur" box, in the window.
type_in_window 221 163 "456"
kill -9 "$app"
wait "$app" 2>/dev/null || true

aside=$BRONTAXE_STATE_DIR/recuperation.des
if [ ! -f "$aside" ]; then
  echo "nothing was left aside by the program killed" >&2
  exit 1
fi
expected=$(build/bin/brontaxe-cli 0201 --longueur 456)
found=$(build/bin/brontaxe-cli "$aside")
if [ "$expected" != "$found" ]; then
  echo "the design left aside is not the one drawn:" >&2
  diff <(echo "$expected") <(echo "$found") >&2 || true
  exit 1
fi

build/bin/brontaxe &
app=$!
sleep "${SCREENSHOT_DELAY:-4}"
xdotool key Return  # "Oui", the question's default button
sleep 1.5
mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
