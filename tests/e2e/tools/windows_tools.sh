#!/usr/bin/env bash
# qexpreview.exe and qexcard.exe under Wine write the same files as the native tools, print
# the same text with lines ended by CR LF and exit with the same codes, for each command line
# of tests/data/windows_tools.txt, run in a folder of its own with the job files in .. (the
# third replaces the PNG the first wrote; huge.PRN is past 4 GB).
# Usage: windows_tools.sh NATIVE_BIN WINDOWS_BIN SAMPLES WORK RUNNER...
set -euo pipefail
native=$1 windows=$2 samples=$3 work=$4 rows=$(cd "$(dirname "$0")/../../data" && pwd)/windows_tools.txt
shift 4
rm -rf "$work" && mkdir -p "$work/native" "$work/windows" && cd "$work"
cp "$samples"/*.PRN "$samples"/*.VCT .
head -c -3 small.PRN >cut.PRN
printf '\x40\x00\x20\x00\x0a\x0a\xfe\xff\x00\x00\x00\x00\x00\x00\x01\x00\x01\x00\x08\x00' >huge.PRN
truncate -s 4294967313 huge.PRN
head -c 1564 /dev/zero | tr '\0' '\3' >settings.bin

count=0
while read -r tool arguments; do
  count=$((count + 1))
  for side in native windows; do
    if [ $side = native ]; then program=("$native/$tool"); else program=("$@" "$windows/$tool.exe"); fi
    code=0
    (cd $side && eval "\"\${program[@]}\" $arguments" </dev/null >$count.out 2>$count.err) || code=$?
    echo $code >$side/$count.code
  done
done <"$rows"

status=0
for file in native/*; do
  case $file in
    *.out | *.err) sed 's/$/\r/' "$file" | cmp - "windows/${file#native/}" ;;
    *) cmp "$file" "windows/${file#native/}" ;;
  esac || status=1
done
[ "$(ls windows)" = "$(ls native)" ] || { echo "the folders hold different files" >&2; status=1; }
echo "$count command lines, $(ls native | wc -l) files compared"
exit $status
