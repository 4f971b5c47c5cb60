#!/usr/bin/env bash
# Runs every test: native unit tests and tools, then the Windows programs under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
tree=$("$root/scripts/windows_tree.sh")
[ "$tree" = win32 ] || echo "test: this kernel runs no 32-bit programs; the Windows tests run the 64-bit build"

status=0
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=1
# Tests that share a Wine prefix and display hold its lock; the others run beside them.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$build/$tree" --output-on-failure -j "$(nproc)" --timeout 600 || status=1
WINEPREFIX="$build/$tree/wineprefix" wineserver -k 2>/dev/null || true
"$root/scripts/artifacts.sh" "$build/$tree/artifacts"
exit $status
