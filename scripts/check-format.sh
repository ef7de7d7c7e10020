#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file under src, tests, bench or fuzz is not
# formatted as the root .clang-format asks. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
report=$(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
           'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' |
         xargs -0 -r clang-format --dry-run -Werror 2>&1) && status=0 || status=$?
if [ "$status" -ne 0 ]; then
  # One "FILE:LINE:COL: error: code should be clang-formatted" per misplaced spot; an error of
  # clang-format itself (a missing file, a broken .clang-format) is shown as it came.
  files=$(grep -oE '^[^:]+:[0-9]+:[0-9]+: error: code should be clang-formatted' <<<"$report" |
          cut -d: -f1 | sort -u)
  if [ -n "$files" ]; then
    echo "Not formatted (clang-format -i FILE mends it):" >&2
    sed 's/^/  /' <<<"$files" >&2
  else
    echo "$report" >&2
  fi
  exit 1
fi
echo "clang-format: every tracked C++ file under src, tests, bench and fuzz is formatted"
