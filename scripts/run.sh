#!/usr/bin/env bash
# Sets up a fresh machine, builds, and runs the command-line tool with the given arguments
# (by default: a 0201 on the start-up values).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh >/dev/null
if [ $# -eq 0 ]; then set -- 0201; fi
exec build/bin/brontaxe-cli "$@"
