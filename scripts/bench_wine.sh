#!/usr/bin/env bash
# Times what rendering adds to QexView.exe -f under Wine: "-f" on the full-bed sample job
# (14400 x 7200 pixels, about 13 MB) against "-f" on a job of the same 6-byte header and no
# records, which opens the same monitor window and writes a snapshot of the same size. Both
# jobs carry the full-bed overlay. A bare start ("-b" without arguments, which ends at once)
# is timed for scale. All runs share one warm Wine server and one Xvfb display; the three
# commands take turns over RUNS rounds (default 9).
# Uses the Windows tree that scripts/windows_tree.sh names, built with QexView.exe, and the
# native samplejob (scripts/build.sh builds both).
# Usage: bench_wine.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
runs=${1:-9}
[[ "$runs" =~ ^[1-9][0-9]{0,2}$ ]] || { echo "RUNS must be a number from 1 to 999" >&2; exit 2; }

if [ -z "${QEX_BENCH_INNER:-}" ]; then
  QEX_BENCH_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

tree=$("$root/scripts/windows_tree.sh")
[ "$tree" = win64 ] && export QEX_WINE_ARCH=win64
exe=$build/$tree/bin/QexView.exe
prefix=$build/$tree/wineprefix
samplejob=$build/native/bin/samplejob
for tool in "$exe" "$samplejob"; do
  [ -f "$tool" ] || { echo "missing $tool: build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$samplejob" "$work" >/dev/null
full=$work/fullbed.PRN
empty=$work/header_only.PRN
head -c 6 "$full" >"$empty"
run() { "$root/tests/wine-run.sh" "$prefix" "$exe" "$@" || true; }

# Sets `now` to microseconds since the epoch, read without a process or a subshell (either would
# add its own start to every figure).
now_us() { local t=${EPOCHREALTIME/[.,]/}; now=$((10#$t)); }

# Times "-f" on a copy of JOB (with the full-bed overlay beside it) into `took`, checks the
# snapshot and keeps its size in `size`.
time_render() {
  local job=$1 copy=$work/job.PRN start
  cp "$job" "$copy"
  cp "$work/fullbed.VCT" "$work/job.VCT"
  now_us; start=$now; run -f "Z:$copy"; now_us; took=$((now - start))
  [ "$(head -c 2 "$copy")" = BM ] || { echo "QexView.exe -f $(basename "$job") wrote no BMP" >&2; exit 1; }
  size=$(stat -c %s "$copy")
}

# A persistent server keeps every run warm; one run of each first.
"$root/tests/wine-run.sh" "$prefix" wineboot >/dev/null 2>&1 || true
WINEPREFIX=$prefix wineserver -p || true
time_render "$full"
time_render "$empty"
run -b

rounds=$work/rounds.txt
for _ in $(seq "$runs"); do
  time_render "$full"
  full_took=$took full_size=$size
  time_render "$empty"
  [ "$full_size" = "$size" ] || { echo "the snapshots differ in size: $full_size, $size" >&2; exit 1; }
  now_us; start=$now; run -b; now_us
  echo "$full_took $took $((now - start))" >>"$rounds"
done

# Each round runs the three commands back to back, under much the same load from the rest of
# the machine: the goal is checked on the median of the rounds' own ratios.
awk -v tree="$tree" -v n="$runs" '
  function sort(a, k,   i, j, t) { for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t } }
  function median(a, k) { sort(a, k); return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2 }
  { full[NR] = $1; empty[NR] = $2; bare[NR] = $3; ratio[NR] = $1 / $2 }
  END {
    # median() sorts, so the best time is the first one after it.
    f = median(full, n); e = median(empty, n); b = median(bare, n); r = median(ratio, n)
    printf "QexView.exe (%s build), %d rounds, median (best) in ms:\n", tree, n
    printf "  -f full-bed job:     %5.0f (%.0f)\n", f / 1e3, full[1] / 1e3
    printf "  -f header-only job:  %5.0f (%.0f)\n", e / 1e3, empty[1] / 1e3
    printf "  -b, a bare start:    %5.0f (%.0f)\n", b / 1e3, bare[1] / 1e3
    printf "ratio full-bed / header-only: %.2f, median of the rounds (goal: at most 1.3)\n", r
  }' "$rounds"
