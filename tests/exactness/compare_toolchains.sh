#!/usr/bin/env bash
# Renders every sample job (rounding-edge jobs included) with the 32-bit Windows qexpreview
# under Wine and compares its BMP byte for byte with the native one made beside the job.
# Usage: compare_toolchains.sh SAMPLES_DIR WINE_RUN PREFIX QEXPREVIEW.exe WORK_DIR
set -euo pipefail
samples=$1 winerun=$2 prefix=$3 exe=$4 work=$5
mkdir -p "$work"
status=0 count=0
for job in "$samples"/*.PRN; do
  name=$(basename "${job%.PRN}")
  "$winerun" "$prefix" "$exe" render "$job" "$work/$name.bmp"
  if cmp -s "$samples/$name.bmp" "$work/$name.bmp"; then
    echo "same bytes: $name ($(stat -c %s "$work/$name.bmp") bytes)"
  else
    echo "DIFFERENT: $name: $(cmp -l "$samples/$name.bmp" "$work/$name.bmp" 2>&1 | wc -l) bytes differ" >&2
    status=1
  fi
  count=$((count + 1))
done
[ "$count" -ge 10 ] || { echo "only $count jobs rendered" >&2; exit 1; }
exit $status
