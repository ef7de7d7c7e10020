#!/usr/bin/env bash
# Launch to a visible window: the real program started under a virtual X server on fresh
# settings, timed until its main window is mapped (xdotool) and until its drawing is first
# painted (the program writes that moment when BRONTAXE_FIRST_PAINT names a file), five times;
# then the processor time of a start to an idle window. Run after bench/run.sh (it uses the Release build).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${BRONTAXE_BIN:-build-release/bin}
[ -x "$bin/brontaxe" ] || bin=build/bin

. scripts/xvfb-session.sh

start_once() {
  rm -rf "$work/config" "$work/c" "$work/painted"
  local t0 t1
  t0=$(date +%s.%N)
  BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state \
    BRONTAXE_FIRST_PAINT=$work/painted \
    "$bin/brontaxe" 2>"$work/stderr.txt" &
  app=$!
  # At most about 20 s: a program that stopped or never maps its window is said, not waited for.
  local tries=0
  until xdotool search --onlyvisible --name '^Brontaxe' >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 4000 ] || ! kill -0 "$app" 2>/dev/null; then
      echo "no window; the program said:" >&2
      cat "$work/stderr.txt" >&2
      kill "$app" 2>/dev/null || true
      app=
      return 1
    fi
    sleep 0.005
  done
  t1=$(date +%s.%N)
  tries=0
  until [ -s "$work/painted" ] || [ "$tries" -gt 2000 ]; do tries=$((tries + 1)); sleep 0.005; done
  kill "$app"
  local status=0
  wait "$app" 2>/dev/null || status=$?
  app=
  # 143: ended by the kill above, as it should.
  if [ "$status" -ne 143 ]; then
    echo "the program ended with status $status; it said:" >&2
    grep -v XDG_RUNTIME_DIR "$work/stderr.txt" >&2 || true
  fi
  echo "$t0 $t1 $(cat "$work/painted" 2>/dev/null || echo nan)" |
    awk '{ printf "%.3f/%.3f\n", $2 - $1, $3 - $1 }'
}

echo "launch to visible window, to first painted drawing (s), 5 runs, load $(cut -d' ' -f1 /proc/loadavg):"
for _ in 1 2 3 4 5; do start_once; done | sort -n | tr '\n' ' '
echo
# Processor time of the whole start: the program is stopped one second after launch, idle by then.
rm -rf "$work/config" "$work/c"
BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c /usr/bin/time -f '%U %S' \
  -o "$work/cpu.txt" timeout 1 "$bin/brontaxe" || true
tail -n1 "$work/cpu.txt" | awk '{ printf "processor time of a start: %.3f s\n", $1 + $2 }'
