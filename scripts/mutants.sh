#!/usr/bin/env bash
# Plants each one-line fault of scripts/mutants.txt in a scratch copy of the tree, builds the
# test program, runs it and says whether a test caught the fault. Prints the faults no test
# caught and "killed K / N"; exits 1 when any survived. Slow (a build and a test run a fault):
# run it before closing a change to the core, not in CI. A fault in the window (src/app/) is
# run against the window's tests (ctest's app.*) instead. "{NL}" in a text stands for a line
# break, so that a fault may take one statement of two alike.
#
#   scripts/mutants.sh [LIST] [PATTERN]   # PATTERN: run only the lines that contain it
#
# MUTANTS_DIR (default /tmp/brontaxe-mutants) keeps the copy and its build between runs;
# ccache, when there, shares the compiled objects with the other build folders.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "${1:-$top/scripts/mutants.txt}")
pattern=${2:-}
scratch=${MUTANTS_DIR:-/tmp/brontaxe-mutants}
tree=$scratch/tree
build=$tree/build
log=$scratch/log
test_timeout=${MUTANTS_TEST_TIMEOUT:-900}

mkdir -p "$tree" "$log"
export CCACHE_BASEDIR=$scratch CCACHE_NOHASHDIR=1
# The tree as it is in the work tree, committed or not. Only the files whose content differs
# from the copy's are written, and they take the time of the copy: the build folder stays, and
# a file changed since the last run, or left planted by a run that was stopped, is rebuilt even
# when its own time is older than the objects built from it.
(cd "$top" && git ls-files -co --exclude-standard -z) | python3 -c '
import os, shutil, sys
top, tree = sys.argv[1:3]
for name in sys.stdin.buffer.read().decode().split("\0"):
    if not name or not os.path.isfile(os.path.join(top, name)):
        continue
    src, dst = os.path.join(top, name), os.path.join(tree, name)
    with open(src, "rb") as f:
        content = f.read()
    if os.path.isfile(dst):
        with open(dst, "rb") as f:
            if f.read() == content:
                continue
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    with open(dst, "wb") as f:
        f.write(content)
    shutil.copymode(src, dst)
' "$top" "$tree"

build_tests() {
    cmake --build "$build" -j"${MUTANTS_JOBS:-2}" --target brontaxe_tests >"$1" 2>&1
}

run_tests() {
    (cd "$build" && QT_QPA_PLATFORM=offscreen timeout "$test_timeout" \
        bin/brontaxe_tests --gtest_brief=1 --gtest_fail_fast >"$1" 2>&1)
}

# The window's test programs, as ctest names them (app.<program>).
window_programs() {
    (cd "$build" && ctest -N -R '^app\.' | sed -n 's/^ *Test *#[0-9]*: app\.//p')
}

build_window_tests() {
    # shellcheck disable=SC2046
    cmake --build "$build" -j"${MUTANTS_JOBS:-2}" --target $(window_programs) >"$1" 2>&1
}

run_window_tests() {
    (cd "$build" && timeout "$test_timeout" ctest -R '^app\.' -j2 --stop-on-failure \
        --output-on-failure >"$1" 2>&1)
}

# Configured as build/ is (hardened, with the tests, eight files to a unit), so that ccache hands
# back its objects; linked with mold as every build is when it is installed: a fault costs one
# unit's compile (hardly more than its file's), one link and one run, and a fault in a header
# rebuilds the units that include it rather than every file.
if [ ! -f "$build/build.ninja" ] || grep -q '^BRONTAXE_APP:BOOL=OFF' "$build/CMakeCache.txt" ||
    grep -q '^BRONTAXE_UNITS:BOOL=OFF' "$build/CMakeCache.txt"; then
    cmake -S "$tree" -B "$build" -G Ninja -DBRONTAXE_APP=ON -DBRONTAXE_HARDEN=ON \
        -DBRONTAXE_TESTS=ON -DBRONTAXE_UNITS=ON >"$log/configure.txt" 2>&1
fi
# The window's tests only when the list plants a fault in the window.
window=0
grep -q '^src/app/' "$list" && window=1
echo "Building the unchanged tree in $tree ..."
build_tests "$log/base-build.txt" || { echo "the unchanged tree does not build: $log/base-build.txt"; exit 2; }
run_tests "$log/base-tests.txt" || { echo "the unchanged tree fails its tests: $log/base-tests.txt"; exit 2; }
if [ "$window" -eq 1 ]; then
    build_window_tests "$log/base-window-build.txt" ||
        { echo "the unchanged window does not build: $log/base-window-build.txt"; exit 2; }
    run_window_tests "$log/base-window-tests.txt" ||
        { echo "the unchanged window fails its tests: $log/base-window-tests.txt"; exit 2; }
fi

# Replaces the one occurrence of ORIGINAL in FILE by REPLACEMENT; fails when it is not there
# once.
plant() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
path, old, new = (a.replace("{NL}", "\n") for a in sys.argv[1:4])
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit("found %d times" % text.count(old))
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

total=0 killed=0 unobservable=0
survivors=() broken=()
n=0
while IFS=$'\t' read -r file original replacement why || [ -n "$file" ]; do
    case "$file" in '' | '#'*) continue ;; esac
    n=$((n + 1))
    line="$file: $original -> $replacement"
    [ -n "$pattern" ] && [[ "$line" != *"$pattern"* ]] && continue
    if [ -n "${why:-}" ]; then
        unobservable=$((unobservable + 1))
        echo "[$n] not run ($why): $line"
        continue
    fi
    if [ ! -f "$tree/$file" ]; then
        broken+=("[$n] $line (no such file)")
        echo "[$n] NOT PLANTED (no such file): $line"
        continue
    fi
    cp "$tree/$file" "$scratch/original"
    if ! reason=$(plant "$tree/$file" "$original" "$replacement" 2>&1); then
        broken+=("[$n] $line ($reason)")
        echo "[$n] NOT PLANTED ($reason): $line"
        continue
    fi
    total=$((total + 1))
    builder=build_tests runner=run_tests
    case "$file" in src/app/*) builder=build_window_tests runner=run_window_tests ;; esac
    if ! "$builder" "$log/$n-build.txt"; then
        broken+=("[$n] $line (does not build: $log/$n-build.txt)")
        total=$((total - 1))
        echo "[$n] does not build: $line"
    elif "$runner" "$log/$n-tests.txt"; then
        survivors+=("[$n] $line")
        echo "[$n] SURVIVED: $line"
    else
        killed=$((killed + 1))
        caught=$(grep -m1 -E '^\[  FAILED  \]|^FAIL!|\*\*\*Failed|\(Failed\)' "$log/$n-tests.txt" ||
            echo "a crash or time-out")
        echo "[$n] killed by ${caught#\[  FAILED  \] }"
    fi
    # Put back with its old time, so that the next build recompiles only what changed.
    cp -p "$scratch/original" "$tree/$file"
    touch "$tree/$file"
done <"$list"

echo
echo "killed $killed / $total ($unobservable listed as not observable)"
for s in "${survivors[@]+"${survivors[@]}"}"; do echo "survived: $s"; done
for b in "${broken[@]+"${broken[@]}"}"; do echo "not run: $b"; done
[ ${#survivors[@]} -eq 0 ] && [ ${#broken[@]} -eq 0 ]
