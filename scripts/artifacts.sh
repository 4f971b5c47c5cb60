#!/usr/bin/env bash
# Turns the BMP artifacts the end-to-end tests leave in build/win32/artifacts into PNG files.
set -euo pipefail
dir=${1:?artifacts folder}
[ -d "$dir" ] || exit 0
shopt -s nullglob
for bmp in "$dir"/*.bmp; do
  /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
