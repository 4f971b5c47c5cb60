#!/usr/bin/env bash
# Builds the release package out/qex-VERSION-win32.zip (QexView.exe, QexWiz.exe, README.md
# with its screenshots, SHA256SUMS) from the Windows tree, lists what it holds and the DLLs each
# program imports, and fails when a program would not start on Windows XP.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}/win32
out=$root/out
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$build" -j 2 --target programs
mkdir -p "$out"
(cd "$build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
zip=$(ls -t "$out"/qex-*-win32.zip | head -n 1)

status=0
bash "$root/tests/release/xp_imports.sh" i686-w64-mingw32-objdump i686-w64-mingw32-gcc-win32 5.01 \
  "$build/bin/QexView.exe" "$build/bin/QexWiz.exe" || status=1
unzip -l "$zip"
check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
unzip -q "$zip" -d "$check"
(cd "$check"/*/ && sha256sum -c SHA256SUMS) || status=1
echo "$zip: $(stat -c %s "$zip") bytes"
exit $status
