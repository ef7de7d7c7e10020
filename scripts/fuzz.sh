#!/usr/bin/env bash
# Builds the libFuzzer targets in build-asan/ (scripts/build-asan.sh: clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, float-to-int overflow included; the sanitizer tests share
# it), replays each target's corpus (regression inputs included) and fuzzes it for a few
# seconds (default 20), two targets at a time. Any sanitizer report or crash fails the run
# and is printed with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build="build-asan"
mkdir -p "$build"
if ! scripts/build-asan.sh >"$build/fuzz-build.log" 2>&1; then
  grep -E -B2 -A6 'error|Error' "$build/fuzz-build.log" | head -n 60
  echo "fuzz build failed ($build/fuzz-build.log)" >&2
  exit 1
fi
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Fuzzes one target into $build/<name>.log; its exit status goes to <name>.status.
fuzz_target() {
  local target=$1 name work status=0
  name=$(basename "$target")
  work=$(mktemp -d)
  cp -r "fuzz/corpus/${name#fuzz_}"/. "$work"/ 2>/dev/null || true
  "$target" -max_total_time="$seconds" -artifact_prefix="$build/$name-" "$work" \
    >"$build/$name.log" 2>&1 || status=$?
  rm -rf "$work"
  echo "$status" >"$build/$name.status"
}

targets=("$build"/bin/fuzz_*)
echo "== ${#targets[@]} targets, ${seconds}s each, two at a time"
for target in "${targets[@]}"; do
  fuzz_target "$target" &
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
done
wait

failed=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  log=$build/$name.log
  status=$(cat "$build/$name.status")
  echo "== $name"
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
