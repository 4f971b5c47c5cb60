#!/usr/bin/env bash
# Configures and builds build/native (core, unit tests, tools) and build/win32 (the 32-bit
# programs and their tests, cross-compiled; the programs in build/win32/programs, see
# cmake/programs.cmake). Where this machine cannot run 32-bit programs, build/win32 builds
# the programs only, and build/win64 holds the Windows tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
jobs=$(nproc)
tree=$("$root/scripts/windows_tree.sh")
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$jobs"
cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
if [ "$tree" = win32 ]; then
  cmake --build "$build/win32" -j "$jobs"
else
  cmake --build "$build/win32" -j "$jobs" --target programs
  cmake -S "$root" -B "$build/win64" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
  cmake --build "$build/win64" -j "$jobs"
fi
