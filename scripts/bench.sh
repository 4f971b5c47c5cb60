#!/usr/bin/env bash
# Times what the driver team waits for: `qexpreview render` of the full-bed sample job
# (14400 x 7200 pixels, about 13 MB) until its BMP is on disk, in a RAM-backed folder,
# against `cat` reading the same file to /dev/null. Both run as processes of their own,
# alternately, from an optimised build without sanitizers; each figure is the best of RUNS
# runs (default 21). Then the same two jobs timed inside one process, without start-up.
# Usage: bench.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BENCH_BUILD_DIR:-$root/build/bench}
runs=${1:-${QEX_BENCH_RUNS:-21}}
[[ "$runs" =~ ^[1-9][0-9]{0,3}$ ]] || { echo "RUNS must be a number from 1 to 9999" >&2; exit 2; }
[ -d /dev/shm ] && [ -w /dev/shm ] || { echo "bench.sh needs a writable /dev/shm" >&2; exit 1; }
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DQEX_SANITIZE=OFF >/dev/null
cmake --build "$build" -j 2 --target qexpreview samplejob previewbench >/dev/null
jobs=$build/bench-jobs
mkdir -p "$jobs"
"$build/bin/samplejob" "$jobs" >/dev/null
job=$jobs/fullbed.PRN
out=$(mktemp -d /dev/shm/qexbench.XXXXXX)
trap 'rm -rf "$out"' EXIT
bmp=$out/fullbed.bmp

# Sets `now` to microseconds since the epoch, read without a process or a subshell (either would
# add its own start to every figure).
now_us() { local t=${EPOCHREALTIME/[.,]/}; now=$((10#$t)); }

cat "$job" >/dev/null  # into the page cache
read_best=0 render_best=0
for _ in $(seq "$runs"); do
  now_us; start=$now; cat "$job" >/dev/null; now_us; took=$((now - start))
  if [ "$read_best" -eq 0 ] || [ "$took" -lt "$read_best" ]; then read_best=$took; fi
  rm -f "$bmp"
  now_us; start=$now; "$build/bin/qexpreview" render "$job" "$bmp"; now_us; took=$((now - start))
  if [ "$render_best" -eq 0 ] || [ "$took" -lt "$render_best" ]; then render_best=$took; fi
  [ "$(head -c 2 "$bmp")" = BM ] || { echo "qexpreview wrote no BMP" >&2; exit 1; }
done
echo "file: $(stat -c %s "$job") bytes; BMP: $(stat -c %s "$bmp") bytes in $out"
echo "cat JOB >/dev/null: $read_best us"
echo "qexpreview render JOB OUT.bmp: $render_best us"
awk -v r="$render_best" -v c="$read_best" -v n="$runs" \
  'BEGIN { printf "ratio render / cat: %.2f (goal: at most 2; best of %d runs each)\n", r / c, n }'
# Without process start-up on either side: the same two jobs timed inside one process.
"$build/bin/previewbench" "$job" "$runs"
