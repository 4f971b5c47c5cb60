#!/usr/bin/env bash
# Writes the sample jobs with the native generator and, beside each NAME.PRN, the snapshot
# NAME.bmp that the native renderer makes of it: what "-f" must write on a 32-bit display.
# Usage: make_samples.sh NATIVE_BIN_DIR OUT_DIR
set -euo pipefail
native=$1 out=$2
if [ ! -x "$native/samplejob" ] || [ ! -x "$native/qexpreview" ]; then
  echo "no native tools in $native: build the native tree first (scripts/build.sh does)" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"
"$native/samplejob" "$out" >/dev/null
"$native/samplejob" --edges "$out" >/dev/null
for job in "$out"/*.PRN; do
  "$native/qexpreview" render "$job" "${job%.PRN}.bmp"
done
