#!/usr/bin/env bash
# Renders the rounding-edge and sample jobs with the native qexpreview and with its 32-bit
# Windows build under Wine, and compares the BMP files byte for byte.
# Usage: compare_toolchains.sh NATIVE_BIN_DIR WINE_RUN PREFIX QEXPREVIEW.exe WORK_DIR
set -euo pipefail
native=$1 winerun=$2 prefix=$3 exe=$4 work=$5
if [ ! -x "$native/samplejob" ] || [ ! -x "$native/qexpreview" ]; then
  echo "no native tools in $native: build the native tree first" >&2
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
"$native/samplejob" --edges "$work" >/dev/null
"$native/samplejob" "$work" >/dev/null
status=0
count=0
for job in "$work"/*.PRN; do
  name=${job%.PRN}
  "$native/qexpreview" render "$job" "$name.native.bmp"
  "$winerun" "$prefix" "$exe" render "$job" "$name.win32.bmp"
  if cmp -s "$name.native.bmp" "$name.win32.bmp"; then
    echo "same bytes: $(basename "$name") ($(stat -c %s "$name.native.bmp") bytes)"
  else
    echo "DIFFERENT: $(basename "$name"): $(cmp -l "$name.native.bmp" "$name.win32.bmp" 2>&1 | wc -l) bytes differ" >&2
    status=1
  fi
  count=$((count + 1))
done
[ "$count" -ge 10 ] || { echo "only $count jobs rendered" >&2; exit 1; }
exit $status
