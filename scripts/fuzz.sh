#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer, UBSan) in build/fuzz,
# writes their seed corpora and runs the targets one after the other for SECONDS each
# (default 60), printing per target the time, the executions and what it found. A crash,
# hang (10 s) or memory blow-up (2 GB) is kept in build/fuzz/findings/TARGET; the corpora
# grow in build/fuzz/corpus/TARGET. Outside the default test run. Exit status 1 when
# anything was found.
# Usage: fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_FUZZ_BUILD_DIR:-$root/build/fuzz}
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=(preview overlay bmp viewer_command tuning_command laser_ini page_fields)
[ $# -gt 0 ] && targets=("$@")

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEX_FUZZ=ON >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}" samplejob >/dev/null

# Seeds: the sample jobs (the full-bed ones are too large to mutate), the BMP test files and a
# few hand-written lines for the text parsers.
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{jobs,preview,overlay,bmp,viewer_command,tuning_command,laser_ini,page_fields}
"$build/bin/samplejob" "$seeds/jobs" >/dev/null
"$build/bin/samplejob" --edges "$seeds/jobs" >/dev/null
find "$seeds/jobs" -name '*.PRN' -size -200k -exec cp {} "$seeds/preview" \;
cp "$seeds/jobs"/*.VCT "$seeds/overlay"
cp "$root"/tests/data/bmp/*.bmp "$seeds/bmp"
n=0
seed() { n=$((n + 1)); printf '%b' "$2" >"$seeds/$1/seed$n"; }
seed viewer_command '-f C:\\jobs\\a.prn'
seed viewer_command '-b pic.bmp 10 20 300 400'
seed viewer_command '  -b\tname -5 +6 700 800x'
seed viewer_command '-b name 1 2 3 2147483648'
seed viewer_command '-v job.VCT -2147483648 0 1 2'
seed tuning_command '-mt [Laser Engraver] [Machine] 10 20 30 40'
seed tuning_command '-mt[a]  [b]1 -2'
seed tuning_command '-mt [ dev ] [sec ] +1 2 3 2147483648'
seed tuning_command '-mt [only'
seed laser_ini '\x64\x00400\n400\n100\n0\n0\n'
seed laser_ini '\x00\x00 1000\n-1\n50x\n-10\n10\n70\n'
seed laser_ini '\xff\x7f2147483648\n\n 99\n+3\n-11\n'
seed laser_ini '\x00\x80-0\n1001\n0\n\t10\n-10\n'
seed page_fields '\x64\x00\x00\x00\x0040%'
seed page_fields '\x10\x27\x00\x00\x01100'
seed page_fields '\x00\x00\x00\x80\x02-2147483649'
seed page_fields '\xff\xff\xff\xff\x00u'
seed page_fields '\x00\x00\x00\x00\x01 99999999999'

status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target findings=$build/findings/$target log=$build/logs/$target.log
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  maxlen=()
  [ "$target" = preview ] && maxlen=(-max_len=65536)
  start=$(date +%s)
  code=0
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${maxlen[@]}" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds/$target" >"$log" 2>&1 || code=$?
  elapsed=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  found="nothing found"
  if [ "$code" -ne 0 ]; then
    found="FOUND: $(ls "$findings" | tr '\n' ' ')(exit $code, log $log)"
    status=1
  fi
  printf '%-16s %5d s  %12s executions  %s\n' "$target" "$elapsed" "${runs:-?}" "$found"
done
exit $status
