#!/usr/bin/env bash
# Sets up a fresh machine, builds, and opens the Brontaxe window on the shipped defaults (a
# 0201 on the start-up values). Arguments go to the window (a drawing file name).
#   scripts/run.sh --cli ARGS   runs the command-line tool instead (by default: a 0201)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build-quietly.sh
if [ "${1:-}" = "--cli" ]; then
  shift
  if [ $# -eq 0 ]; then set -- 0201; fi
  exec build/bin/brontaxe-cli "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Pas d'écran (ni DISPLAY ni WAYLAND_DISPLAY) : la découpe est dessinée par brontaxe-cli." >&2
  exec build/bin/brontaxe-cli 0201
fi
exec build/bin/brontaxe "$@"
