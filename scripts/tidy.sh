#!/usr/bin/env bash
# Runs clang-tidy (the checks of the root .clang-tidy) over every source file of the core, the
# command-line tool and the window (src/**/*.cpp; not the tests, not the files AUTOMOC
# generates), two at a time, with the compile commands of build/ (or BUILD_DIR), which
# scripts/build.sh writes. Any diagnostic fails the run and is printed.
#   scripts/tidy.sh [FILE...]   only the source files given (say, the ones a change touched)
# TIDY_ANALYSER=shallow runs the static analyser's checks at its shallow depth: it follows
# fewer calls into their callees and gives up on a function sooner, and takes a third of the
# time on the large files (the window's main file: 7 s against 22). CI runs it so over every
# file; the default, deep, is for the files a change touched.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
database=$build_dir/compile_commands.json
if [ ! -f "$database" ]; then
  echo "no $database: run scripts/build.sh first" >&2
  exit 1
fi
# The files the compile database holds under src/, so each gets the flags (Qt's include paths
# for src/app) it is built with.
analyser_mode=${TIDY_ANALYSER:-deep}
case "$analyser_mode" in
  deep | shallow) ;;
  *) echo "TIDY_ANALYSER: deep or shallow, not $analyser_mode" >&2; exit 2 ;;
esac
mapfile -t files < <(python3 - "$database" "$PWD/src/" "$@" <<'PY'
import json, os, sys
database, src, wanted = sys.argv[1], sys.argv[2], {os.path.abspath(f) for f in sys.argv[3:]}
files = set()
for entry in json.load(open(database)):
    name = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if name.startswith(src) and name.endswith(".cpp") and "_autogen/" not in name:
        files.add(name)
if wanted:
    for name in sorted(wanted - files):
        print(f"not a source under src/ in {database}: {name}", file=sys.stderr)
    files &= wanted
print("\n".join(sorted(files)))
PY
)
if [ ${#files[@]} -eq 0 ]; then
  echo "no source file under src/ in $database" >&2
  exit 1
fi
echo "clang-tidy: ${#files[@]} files, the analyser $analyser_mode"
# The build's flags are GCC's: clang-tidy's front end skips the warning options it lacks.
# One file's diagnostics are printed in one piece, and only when it has any.
status=0
printf '%s\0' "${files[@]}" | xargs -0 -P2 -n1 sh -c '
  out=$(clang-tidy -p "$0" --quiet --extra-arg=-Wno-unknown-warning-option \
    --extra-arg=-Xclang --extra-arg=-analyzer-config --extra-arg=-Xclang \
    "--extra-arg=mode=$1" "$2" 2>&1) && exit 0
  printf "%s\n" "$out" | grep -v -E "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$"
  exit 1' "$build_dir" "$analyser_mode" || status=$?
if [ "$status" -ne 0 ]; then
  echo "clang-tidy: diagnostics above (or a file that would not parse)" >&2
  exit 1
fi
echo "clang-tidy: no diagnostic"
