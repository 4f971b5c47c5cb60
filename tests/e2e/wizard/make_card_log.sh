#!/usr/bin/env bash
# Writes the driver settings block of the wizard's walk-through test (every byte 3 but
# maxSpeed 1000 and metricUnits 0) and, with the native qexcard, the log the simulated
# driver must write for the job of that walk-through: power 55 %, speed 37 %, line lag -2.
# Usage: make_card_log.sh NATIVE_BIN_DIR OUT_DIR
set -euo pipefail
native=$1 out=$2
if [ ! -x "$native/qexcard" ]; then
  echo "no qexcard in $native: build the native tree first (scripts/build.sh does)" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"
threes() { head -c "$1" /dev/zero | tr '\0' '\3'; }
# Offsets 0-245, maxSpeed at 246 (1000, little-endian), 248-307, metricUnits at 308, 309-1563.
{ threes 246; printf '\xe8\x03'; threes 60; printf '\x00'; threes 1255; } >"$out/settings.bin"
"$native/qexcard" --settings "$out/settings.bin" --device "Engraver on LPT1:" \
  --power 55 --speed 37 --line-lag -2 --log >"$out/job.log"
