#!/usr/bin/env bash
# Builds the release package out/qex-VERSION-win32.zip (QexView.exe, QexWiz.exe, README.md
# with its screenshots, SHA256SUMS) from the Windows tree, lists what it holds and the DLLs each program imports,
# and fails when a program imports a DLL that Windows does not ship.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}/win32
out=$root/out
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$build" -j 2 --target QexView QexWiz
mkdir -p "$out"
(cd "$build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
zip=$(ls -t "$out"/qex-*-win32.zip | head -n 1)

system='^(kernel32|user32|gdi32|winspool\.drv|comctl32|comdlg32|msvcrt|advapi32|shell32|ole32)(\.dll)?$'
status=0
for exe in QexView.exe QexWiz.exe; do
  dlls=$(i686-w64-mingw32-objdump -p "$build/bin/$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  echo "$exe imports: $(echo $dlls)"
  for dll in $dlls; do
    [[ $dll =~ $system ]] || { echo "$exe imports $dll, which is not a system DLL" >&2; status=1; }
  done
done
unzip -l "$zip"
check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
unzip -q "$zip" -d "$check"
(cd "$check"/*/ && sha256sum -c SHA256SUMS) || status=1
echo "$zip: $(stat -c %s "$zip") bytes"
exit $status
