#!/usr/bin/env bash
# Prints which Windows build Wine runs on this machine: win32 where the kernel runs 32-bit
# programs, else win64 (the 64-bit build of the same sources, run by the 64-bit Wine alone).
# The release is always the 32-bit build. QEX_WINDOWS_TREE overrides the choice.
if [ -n "${QEX_WINDOWS_TREE:-}" ]; then
  echo "$QEX_WINDOWS_TREE"
elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
