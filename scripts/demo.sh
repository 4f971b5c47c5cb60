#!/usr/bin/env bash
# The main job: build everything, write the sample engraving jobs into out/ and render each
# with qexpreview into the snapshot BMP the viewer writes and a PNG shown the right way up;
# then run QexView.exe -f on the full-bed job under Wine and keep its BMP and a screenshot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
out=$root/out
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

mkdir -p "$out"
"$build/native/bin/samplejob" "$out"
for job in "$out"/*.PRN; do
  name=${job%.PRN}
  "$build/native/bin/qexpreview" render "$job" "$name.bmp" --png "$name.png"
  echo "rendered $(basename "$job") -> $(basename "$name").bmp, $(basename "$name").png"
done
"$build/native/bin/qexpreview" info "$out/fullbed.PRN"

# The viewer itself under Wine: its snapshot of the full-bed job and its monitor window.
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/demo_viewer_wine.sh" "$build" "$out"
