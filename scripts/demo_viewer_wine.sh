#!/usr/bin/env bash
# Runs QexView.exe -f on the full-bed sample job in OUT under Wine on this display, keeps
# its snapshot as fullbed.qexview.bmp beside the native one (they must be the same bytes),
# and saves the monitor window of a second run, taken mid-job by monitor_capture, as
# monitor.png. Run it under xvfb-run; scripts/demo.sh does.
# Usage: demo_viewer_wine.sh BUILD_DIR OUT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 out=$2
tree=$("$root/scripts/windows_tree.sh")
bin=$build/$tree/bin
run=("$root/tests/wine-run.sh" "$build/$tree/wineprefix")
[ "$tree" = win64 ] && export QEX_WINE_ARCH=win64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$out/fullbed.PRN" "$work/fullbed.PRN"
code=0
"${run[@]}" "$bin/QexView.exe" -f "Z:$work/fullbed.PRN" || code=$?
echo "QexView.exe -f fullbed.PRN ($tree build): exit code $code"
[ "$code" -eq 0 ] || exit 1
mv "$work/fullbed.PRN" "$out/fullbed.qexview.bmp"
if ! cmp -s "$out/fullbed.qexview.bmp" "$out/fullbed.bmp"; then
  echo "fullbed.qexview.bmp differs from the native snapshot fullbed.bmp" >&2
  exit 1
fi
echo "fullbed.qexview.bmp: the same bytes as the native snapshot fullbed.bmp"

cp "$out/fullbed.PRN" "$work/fullbed.PRN"
"${run[@]}" "$bin/monitor_capture.exe" "Z:$bin/QexView.exe" "Z:$work/fullbed.PRN" "Z:$work/monitor.bmp"
/usr/bin/convert "$work/monitor.bmp" "$out/monitor.png"
echo "monitor.png: the monitor window while QexView.exe -f renders fullbed.PRN"
