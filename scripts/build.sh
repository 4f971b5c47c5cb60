#!/usr/bin/env bash
# Configures and builds both trees: build/native (core, unit tests, tools) and build/win32
# (the programs and their tests, cross-compiled).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
jobs=$(nproc)
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$jobs"
cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" -j "$jobs"
