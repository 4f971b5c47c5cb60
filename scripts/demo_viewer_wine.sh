#!/usr/bin/env bash
# Runs QexView.exe -f on the full-bed sample job in OUT under Wine on this display, keeps
# its snapshot as fullbed.qexview.bmp beside the native one, and saves a screenshot of the
# monitor window mid-job as monitor.png (the end-to-end harness holds the viewer while it
# captures). Run it under xvfb-run; scripts/demo.sh does.
# Usage: demo_viewer_wine.sh BUILD_DIR OUT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 out=$2
prefix=$build/win32/wineprefix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$out/fullbed.PRN" "$work/fullbed.PRN"
code=0
"$root/tests/wine-run.sh" "$prefix" "$build/win32/bin/QexView.exe" -f "Z:$work/fullbed.PRN" || code=$?
echo "QexView.exe -f fullbed.PRN: exit code $code"
mv "$work/fullbed.PRN" "$out/fullbed.qexview.bmp"
if cmp -s "$out/fullbed.qexview.bmp" "$out/fullbed.bmp"; then
  echo "fullbed.qexview.bmp: the same bytes as the native snapshot fullbed.bmp"
else
  echo "fullbed.qexview.bmp differs from the native snapshot fullbed.bmp" >&2
fi

rm -f "$build/win32/artifacts/monitor_32bit.bmp"
QEX_VIEWER_SAMPLES="Z:${out//\//\\}" "$root/tests/wine-run.sh" "$prefix" \
  "$build/win32/bin/viewer_e2e_tests.exe" --gtest_filter=RenderPreview.MonitorShowsThePictureGrowingAndCloses \
  >/dev/null
/usr/bin/convert "$build/win32/artifacts/monitor_32bit.bmp" "$out/monitor.png"
echo "monitor.png: the monitor window while QexView.exe -f renders fullbed.PRN"
