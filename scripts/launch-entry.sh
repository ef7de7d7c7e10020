#!/usr/bin/env bash
# Starts the window as a desktop does, from its installed menu entry (`gio launch`), on a
# virtual X server, with FILE when one is given (as a double click on it would). Waits up to a
# minute until the window has painted its drawing, prints its title, saves a picture of the
# screen when --shot is given, then closes it. Exits 1 when no window painted. The caller
# sets the window's environment (its settings, drive-C and state folders, and PATH when the
# entry names the program without its folder).
#   scripts/launch-entry.sh [--shot OUT.png] ENTRY.desktop [FILE]
set -uo pipefail
shot=
if [ "${1:-}" = "--shot" ]; then shot=$(realpath -m "$2"); shift 2; fi
entry=$1
shift
. "$(dirname "$0")/xvfb-session.sh"
unset QT_QPA_PLATFORM  # the X server's own platform, as on a desktop

stamp=$work/painted
BRONTAXE_FIRST_PAINT=$stamp gio launch "$entry" "$@" >"$work/launch.log" 2>&1 ||
  { echo "gio launch $entry: $(cat "$work/launch.log")"; exit 1; }
for _ in $(seq 1 600); do
  [ -s "$stamp" ] && break
  sleep 0.1
done
if [ ! -s "$stamp" ]; then
  echo "the entry $entry started no window: $(cat "$work/launch.log")"
  exit 1
fi
window=$(xdotool search --sync --onlyvisible --name 'Brontaxe' | head -n1)
app=$(xdotool getwindowpid "$window")
sleep 0.5
xdotool getwindowname "$window"
[ -z "$shot" ] || import -window root "$shot"
