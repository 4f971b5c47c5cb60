#!/usr/bin/env bash
# Installs the job-file library from a build tree, builds examples/job_file against the
# installed package alone, runs it and has the native qexpreview check what it wrote. With a
# toolchain file the example is cross-built and RUNNER runs it (Wine); without, it is also
# built with the flags pkg-config gives.
# Usage: job_file_example.sh TREE NATIVE_BIN WORK [TOOLCHAIN RUNNER...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=$1 native=$2 work=$3
shift 3
rm -rf "$work"
mkdir -p "$work/out"
cmake --install "$tree" --component job_file --prefix "$work/prefix" >/dev/null
cross=()
[ $# -eq 0 ] || { cross=(-DCMAKE_TOOLCHAIN_FILE="$1"); shift; }
cmake -S "$root/examples/job_file" -B "$work/build" -DCMAKE_PREFIX_PATH="$work/prefix" "${cross[@]}" >/dev/null
cmake --build "$work/build" >/dev/null
if [ $# -gt 0 ]; then
  "$@" "$work/build/write_example_job.exe" "Z:$work/out"
else
  "$work/build/write_example_job" "$work/out"
  mkdir "$work/pc_out"
  c++ -std=c++17 -o "$work/pc_example" "$root"/examples/job_file/*.cpp \
    $(PKG_CONFIG_PATH=$work/prefix/lib/pkgconfig pkg-config --cflags --libs qex_job_file)
  "$work/pc_example" "$work/pc_out" >/dev/null && cmp "$work"/{out,pc_out}/example.PRN
  # The README's example: its first cpp block builds, runs and writes what the block after it shows.
  awk '/^```cpp$/ {n++} n == 1 && !/^```/ {print} n == 1 && /^```$/ {exit}' "$root/README.md" >"$work/readme_job.cpp"
  awk 'n == 1 && /^```$/ {k++; next} k == 2 {print} /^```cpp$/ {n++}' \
    "$root/README.md" >"$work/readme_result.txt"
  mkdir "$work/readme"
  c++ -std=c++17 -o "$work/readme/job" "$work/readme_job.cpp" \
    $(PKG_CONFIG_PATH=$work/prefix/lib/pkgconfig pkg-config --cflags --libs qex_job_file)
  (cd "$work/readme" && ./job && "$native/qexpreview" dump job.PRN && "$native/qexpreview" dump job.VCT &&
    "$native/formatdoc" art job.PRN job.VCT) | diff "$work/readme_result.txt" -
fi
"$native/qexpreview" check "$work/out/example.PRN" "$work/out/example.VCT"
