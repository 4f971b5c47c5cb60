#!/usr/bin/env bash
# Renders the full-bed sample job (14400 x 7200 pixels, about 13 MB of raster) with an
# optimised build without sanitizers and prints the ratio of the render time to the time
# `cat` takes to read the same file (each a process of its own), then the same two jobs
# timed inside one process. Each figure is the best of several runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BENCH_BUILD_DIR:-$root/build/bench}
runs=${QEX_BENCH_RUNS:-15}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DQEX_SANITIZE=OFF >/dev/null
cmake --build "$build" -j 2 --target qexpreview samplejob previewbench >/dev/null
jobs=$build/bench-jobs
mkdir -p "$jobs"
"$build/bin/samplejob" "$jobs" >/dev/null
job=$jobs/fullbed.PRN

# Best wall time in nanoseconds of a command over $runs runs.
best() {
  local best=0 start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    if [ "$best" -eq 0 ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
  done
  echo "$best"
}

cat "$job" >/dev/null  # into the page cache
read_ns=$(best cat "$job")
render_ns=$(best "$build/bin/qexpreview" info "$job")
echo "file: $(stat -c %s "$job") bytes"
echo "cat to /dev/null: $((read_ns / 1000)) us"
echo "render (qexpreview info): $((render_ns / 1000)) us"
awk -v r="$render_ns" -v c="$read_ns" 'BEGIN { printf "ratio render / read: %.2f (goal: at most 2)\n", r / c }'
# Without process start-up on either side: the same two jobs timed inside one process.
"$build/bin/previewbench" "$job" "$runs"
