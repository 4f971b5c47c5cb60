#!/usr/bin/env bash
# The programs start on Windows XP: every function they import from a system DLL is one that
# the MinGW-w64 headers declare for _WIN32_WINNT 0x0501, their C runtime is msvcrt.dll, and
# their PE header asks for a subsystem version of at most MAX (5.01, or 5.02 for x64).
# Usage: xp_imports.sh OBJDUMP CC MAX PROGRAM.exe...
set -euo pipefail
objdump=$1 cc=$2 max=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for exe in "$@"; do
  name=$(basename "$exe")
  "$objdump" -p "$exe" >"$work/dump"
  version=$(awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
                 END { printf "%d.%02d", major, minor }' "$work/dump")
  awk -v v="$version" -v m="$max" 'BEGIN { exit !(v + 0 <= m + 0) }' ||
    { echo "$name: subsystem version $version, above $max" >&2; status=1; }
  # Lines "DLL Name: X" open each DLL's list of "address hint name" rows.
  awk '/^\tDLL Name: / { dll = tolower($3); print "dll " dll; next }
       dll && NF == 3 && $2 ~ /^[0-9]+$/ { print dll " " $3 }
       /^$/ { dll = "" }' "$work/dump" >"$work/imports"
  for dll in $(sed -n 's/^dll //p' "$work/imports"); do
    [[ $dll =~ ^(kernel32|user32|gdi32|comctl32|advapi32|msvcrt)\.dll$|^winspool\.drv$ ]] ||
      { echo "$name imports $dll, not one of the system DLLs of Windows XP" >&2; status=1; }
  done
  # Taking each function's address fails to compile for a name the XP headers do not declare.
  {
    printf '#include <windows.h>\n#include <commctrl.h>\n#include <winspool.h>\nvoid *imported[] = {\n'
    awk '$1 != "dll" && $1 != "msvcrt.dll" { print "  (void *)&" $2 "," }' "$work/imports"
    printf '};\n'
  } >"$work/imports.c"
  if ! LC_ALL=C "$cc" -fsyntax-only -D_WIN32_WINNT=0x0501 -DWINVER=0x0501 "$work/imports.c" 2>"$work/errors"; then
    echo "$name imports functions that Windows XP lacks:" >&2
    grep -o "'[A-Za-z0-9_]*' undeclared" "$work/errors" | sort -u >&2 || head -5 "$work/errors" >&2
    status=1
  fi
  echo "$name: subsystem $version; $(grep -vc '^dll ' "$work/imports") functions from $(sed -n 's/^dll //p' "$work/imports" | tr '\n' ' ')"
done
exit $status
