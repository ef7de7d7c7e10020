#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (float-to-int overflow included), replays each target's corpus (regression inputs included)
# and fuzzes it for a few seconds (default 20). Any sanitizer report or crash fails the run
# and is printed with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
mkdir -p build-fuzz
if ! BUILD_DIR=build-fuzz CC=clang CXX=clang++ scripts/build.sh -DBRONTAXE_FUZZ=ON \
  -DBRONTAXE_TESTS=OFF -DBRONTAXE_APP=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >build-fuzz/build.log 2>&1; then
  grep -E -B2 -A6 'error|Error' build-fuzz/build.log | head -n 60
  echo "fuzz build failed (build-fuzz/build.log)" >&2
  exit 1
fi
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=0
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  log=build-fuzz/$name.log
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "== $name: ${seconds}s"
  status=0
  "$target" -max_total_time="$seconds" -artifact_prefix="build-fuzz/$name-" "$work" \
    >"$log" 2>&1 || status=$?
  rm -rf "$work"
  # A report is a failure even if the run went on after it.
  if [ "$status" -ne 0 ] || grep -q -E 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' "$log"; then
    failed=1
    echo "!! $name failed (exit $status); report:" >&2
    grep -E -A40 'runtime error:|==[0-9]+==ERROR|ERROR: libFuzzer|deadly signal' "$log" | head -n 80 >&2
    grep -E 'Test unit written to|artifact_prefix' "$log" >&2 || true
  else
    tail -n 2 "$log"
  fi
done
exit "$failed"
