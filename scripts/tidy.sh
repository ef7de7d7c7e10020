#!/usr/bin/env bash
# Runs clang-tidy (the checks of the root .clang-tidy) over every source file of the core, the
# command-line tool and the window (src/**/*.cpp; not the tests, not the files AUTOMOC
# generates), two at a time, with the compile commands of build/ (or BUILD_DIR), which
# scripts/build.sh writes. Any diagnostic fails the run and is printed.
#   scripts/tidy.sh [FILE...]   only the source files given (say, the ones a change touched)
# The build compiles eight files to a unit (BRONTAXE_UNITS), and clang-tidy reads the units as
# they are compiled: a unit's headers are read once for its eight files. The static analyser
# is told to walk the functions of the files a unit includes, which it would otherwise take
# for a header's and leave; it walks the headers' functions too, and so runs at its shallow
# depth (it follows fewer calls into their callees and gives up on a function sooner): the
# whole tree takes about 5 min on two cores, against 11 at its deep depth.
# TIDY_ANALYSER=deep for the deep depth (say, over the files a change touched).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
database=$build_dir/compile_commands.json
if [ ! -f "$database" ]; then
  echo "no $database: run scripts/build.sh first" >&2
  exit 1
fi
# What the compile database compiles from src/ (a file, or a unit of files), so each gets the
# flags (Qt's include paths for src/app) it is built with; with files given, what compiles them.
mapfile -t files < <(python3 - "$database" "$PWD/src/" "$@" <<'PY'
import json, os, re, sys
database, src, wanted = sys.argv[1], sys.argv[2], {os.path.abspath(f) for f in sys.argv[3:]}
compiled = {}
for entry in json.load(open(database)):
    name = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if "_autogen/" in name:
        continue
    if "/Unity/unity_" in name:
        sources = [os.path.normpath(s) for s in re.findall(r'#include "([^"]+)"', open(name).read())]
    else:
        sources = [name]
    sources = [s for s in sources if s.startswith(src) and s.endswith(".cpp")]
    if sources:
        compiled[name] = sources
if wanted:
    found = {s for sources in compiled.values() for s in sources}
    for name in sorted(wanted - found):
        print(f"not a source under src/ in {database}: {name}", file=sys.stderr)
    compiled = {k: v for k, v in compiled.items() if wanted & set(v)}
print("\n".join(sorted(compiled)))
PY
)
if [ ${#files[@]} -eq 0 ]; then
  echo "no source file under src/ in $database" >&2
  exit 1
fi
analyser_mode=${TIDY_ANALYSER:-shallow}
case "$analyser_mode" in
  deep | shallow) ;;
  *) echo "TIDY_ANALYSER: deep or shallow, not $analyser_mode" >&2; exit 2 ;;
esac
echo "clang-tidy: ${#files[@]} files or units, the analyser $analyser_mode"
# The build's flags are GCC's: clang-tidy's front end skips the warning options it lacks.
# One file's diagnostics are printed in one piece, and only when it has any.
status=0
printf '%s\0' "${files[@]}" | xargs -0 -P2 -n1 sh -c '
  out=$(clang-tidy -p "$0" --quiet --config-file=.clang-tidy \
    --extra-arg=-Wno-unknown-warning-option \
    --extra-arg=-Xclang --extra-arg=-analyzer-opt-analyze-headers \
    --extra-arg=-Xclang --extra-arg=-analyzer-config --extra-arg=-Xclang \
    "--extra-arg=mode=$1" "$2" 2>&1) && exit 0
  printf "%s\n" "$out" | grep -v -E "^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$"
  exit 1' "$build_dir" "$analyser_mode" || status=$?
if [ "$status" -ne 0 ]; then
  echo "clang-tidy: diagnostics above (or a file that would not parse)" >&2
  exit 1
fi
echo "clang-tidy: no diagnostic"
