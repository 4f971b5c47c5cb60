#!/usr/bin/env bash
# Writes with the native tools what the end-to-end tests compare with. OUT/samples: the sample
# jobs, odd_width.PRN (16-bit device rows are shorter than BMP rows there), and beside each
# NAME.PRN the snapshot NAME.bmp of the native renderer: what "-f" must write on a 32-bit
# display. OUT/card_log/job.log: what qexcard logs for the wizard walk-through's test job
# (power 55 %, speed 37 %, line lag -2) on card_settings.bin, every byte 3 but maxSpeed 1000
# and metricUnits 0; the simulated driver must log the same.
# Usage: make_files.sh NATIVE_BIN_DIR OUT_DIR
set -euo pipefail
native=$1 out=$2 data=$(dirname "$0")/../data/e2e
rm -rf "$out/samples" "$out/card_log"
mkdir -p "$out/samples" "$out/card_log"
"$native/samplejob" "$out/samples" >/dev/null
"$native/samplejob" --edges "$out/samples" >/dev/null
cp "$data/odd_width.PRN" "$out/samples"
for job in "$out"/samples/*.PRN; do
  "$native/qexpreview" render "$job" "${job%.PRN}.bmp"
done
"$native/qexcard" --settings "$data/card_settings.bin" --device "Engraver on LPT1:" \
  --power 55 --speed 37 --line-lag -2 --log >"$out/card_log/job.log"
