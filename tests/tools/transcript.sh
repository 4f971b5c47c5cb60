#!/usr/bin/env bash
# Runs the commands of a transcript (its lines "$ COMMAND") in a folder holding the sample
# jobs, with the native tools first on the path, and compares what they print, standard
# error included, and their exit codes with the transcript. --update rewrites it.
# Usage: transcript.sh BIN WORK TRANSCRIPT [--update]
set -euo pipefail
bin=$(cd "$1" && pwd) work=$2 transcript=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
rm -rf "$work"
mkdir -p "$work"
cd "$work"
"$bin/samplejob" . >/dev/null
"$bin/samplejob" --edges . >/dev/null
export PATH=$bin:$PATH
# For the commands: `bytes HEX...` writes bytes given as pairs of hex digits; $job is the
# header of a 64 x 32 job at pitch 10, and $line an overlay's polyline from (0, 0) to (2, 0).
bytes() { printf "$(printf '\\x%s' "$@")"; }
job='40 00 20 00 0A 0A' line='01 00 02 00 00 00 00 00 02 00 00 00'
grep '^\$ ' "$transcript" | cut -c3- | while IFS= read -r command; do
  echo "\$ $command"
  status=0
  (eval "$command") 2>&1 || status=$?
  [ $status -eq 0 ] || echo "[exit $status]"
done >actual.txt
if [ "${4:-}" = --update ]; then
  cp actual.txt "$transcript"
elif ! diff -u "$transcript" actual.txt; then
  echo "refresh with: bash $0 $* --update"
  exit 1
fi
