#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table: the benchmarks, ezdxf writing the same
# 10 x 10 imposition against our DXF writer, and the peak memory of 10,000 poses; then every
# format written for 10,000 poses by the command-line tool, and the window's figures. Extra
# arguments go to the benchmark program (e.g. --benchmark_filter=Regeneration).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build-release scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DBRONTAXE_TESTS=OFF \
  -DBRONTAXE_BENCH=ON >/dev/null
bin=build-release/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin"/brontaxe_bench --benchmark_out="$work/results.json" --benchmark_out_format=json "$@" \
  >/dev/null 2>&1

"$bin"/brontaxe_bench_export "$work/linework.txt"
read -r ezdxf_ms ezdxf_entities < <(/usr/bin/python3 bench/ezdxf_peer.py "$work/linework.txt")

/usr/bin/time -v "$bin"/brontaxe-cli 0201 --poses-x 100 --poses-y 100 >/dev/null 2>"$work/time.txt"
peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")

echo "$(nproc) x $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
/usr/bin/python3 bench/table.py "$work/results.json" "$ezdxf_ms" "$ezdxf_entities" "$peak_kb"
echo "10,000 poses of a 0201 written by brontaxe-cli (whole process: start, regeneration, write):"
printf '  %-5s %9s %9s %9s %10s\n' format "wall s" "cpu s" "peak MiB" "file MiB"
for ext in des pli dxf ai pdf eps cf2 bmp png svg ev; do
  /usr/bin/time -f '%e %U %S %M' -o "$work/w.txt" "$bin"/brontaxe-cli 0201 --poses-x 100 \
    --poses-y 100 -o "$work/planche.$ext" >/dev/null 2>&1 || true
  read -r wall user sys peak <"$work/w.txt"
  size=$(stat -c %s "$work/planche.$ext" 2>/dev/null || echo 0)
  awk -v e="$ext" -v w="$wall" -v u="$user" -v s="$sys" -v p="$peak" -v f="$size" \
    'BEGIN { printf "  %-5s %9.2f %9.2f %9.1f %10.1f\n", e, w, u + s, p / 1024, f / 1048576 }'
  rm -f "$work/planche.$ext"
done
if [ -x "$bin"/brontaxe_view_bench ]; then
  echo "Drawing view (offscreen):"
  "$bin"/brontaxe_view_bench --benchmark_min_time=0.2 2>/dev/null | grep -E '^BM_'
fi
if [ -x "$bin"/brontaxe_fold_bench ]; then
  echo "Folded blank (offscreen):"
  "$bin"/brontaxe_fold_bench --benchmark_min_time=0.2 2>/dev/null | grep -E '^BM_'
fi
