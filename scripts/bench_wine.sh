#!/usr/bin/env bash
# Times QexView.exe -f on the full-bed sample job against a QexView.exe command that ends at
# once ("-b" without arguments), both under Wine on one warm Wine server and one Xvfb
# display, and prints the ratio of the mean times. Needs built trees (scripts/build.sh).
# Usage: bench_wine.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
runs=${1:-10}

if [ -z "${QEX_BENCH_INNER:-}" ]; then
  QEX_BENCH_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'WINEPREFIX=$build/win32/wineprefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/native/bin/samplejob" "$work" >/dev/null
exe=$build/win32/bin/QexView.exe
run() { "$root/tests/wine-run.sh" "$build/win32/wineprefix" "$exe" "$@" || true; }

# A persistent server keeps every run warm; one run of each first.
"$root/tests/wine-run.sh" "$build/win32/wineprefix" wineboot >/dev/null 2>&1 || true
WINEPREFIX=$build/win32/wineprefix wineserver -p || true
cp "$work/fullbed.PRN" "$work/job.PRN"
run -f "Z:$work/job.PRN"
run -b

now() { date +%s%N; }
render=0 quick=0
for _ in $(seq "$runs"); do
  cp "$work/fullbed.PRN" "$work/job.PRN"
  start=$(now); run -f "Z:$work/job.PRN"; render=$((render + $(now) - start))
  [ "$(head -c 2 "$work/job.PRN")" = BM ] || { echo "the render run wrote no BMP" >&2; exit 1; }
  start=$(now); run -b; quick=$((quick + $(now) - start))
done
awk -v r="$render" -v q="$quick" -v n="$runs" 'BEGIN {
  printf "QexView -f fullbed: %.0f ms   QexView -b (ends at once): %.0f ms   ratio %.2f (%d runs each)\n",
    r / n / 1e6, q / n / 1e6, r / q, n }'
