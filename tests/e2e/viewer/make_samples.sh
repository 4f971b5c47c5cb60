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
# An odd picture width: 16-bit device rows (2-byte aligned) are shorter than BMP rows there.
# Header 333 x 101 at pitch 10; a red and a blue rectangle, a green line run.
printf '\x4d\x01\x65\x00\x0a\x0a'\
'\xfe\xff\x00\x00\x0a\x00\x05\x00\xc8\x00\x3c\x00\x01\x00'\
'\xfe\xff\x14\x00\x2c\x01\x00\x00\x4d\x01\x65\x00\x04\x00'\
'\xfc\xff\x02\x00\x02\x00\x00\x00\x50\x00\x03\x00\x4c\x01' >"$out/odd_width.PRN"
for job in "$out"/*.PRN; do
  "$native/qexpreview" render "$job" "${job%.PRN}.bmp"
done
