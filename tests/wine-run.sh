#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, creating the prefix on first use.
# QEX_WINE_ARCH=win64 runs 64-bit programs with the 64-bit loader alone, for machines whose
# kernel cannot run 32-bit code (the default, win32, needs it).
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEARCH=${QEX_WINE_ARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=${QEX_WINE_LANG:-en_US.UTF-8}
wine=wine
if [ "$WINEARCH" = win64 ]; then
  # The wine script would take the 32-bit loader whenever it is installed.
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no DISPLAY; run the tests under Xvfb (scripts/test.sh does)" >&2
  exit 2
fi

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.qex-ready" ]; then
    rm -rf "$prefix"
    "$wine" wineboot --init >/dev/null 2>&1
    x11='HKCU\Software\Wine\X11 Driver'
    # Without a window manager a closing message box stalls unless windows are unmanaged;
    # client-side stretching keeps the stretch mode that Windows honours.
    "$wine" reg add "$x11" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$wine" reg add "$x11" /v ClientSideWithRender /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.qex-ready"
  fi
) 9>"$prefix.lock"

# A server that outlives each program by a few seconds saves every later start its boot.
# It and the system processes it starts must hold none of the caller's pipes, or a test
# runner reading the program's output would wait for them to end.
if wineserver -p10 </dev/null >/dev/null 2>&1; then
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
exec "$wine" "$@"
