#!/usr/bin/env bash
# Builds the release package out/qex-VERSION-win32.zip (QexView.exe, QexWiz.exe, README.md
# with its screenshots, SHA256SUMS) and the driver team's kit out/qex-driver-kit-VERSION.zip
# (qexpreview.exe, qexcard.exe, the job-file library as MinGW builds and installs it,
# docs/formats.md with its pictures, README.txt, SHA256SUMS) from the Windows tree, lists what
# they hold and the DLLs each program imports, and fails when a program would not start on
# Windows XP or the kit's library does not build a program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEX_BUILD_DIR:-$root/build}/win32
out=$root/out
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
cmake --build "$build" -j 2 --target programs qex_job_file_plain
mkdir -p "$out"
(cd "$build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
zip=$(ls -t "$out"/qex-*-win32.zip | head -n 1)
version=${zip##*/qex-}
version=${version%-win32.zip}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
kit=qex-driver-kit-$version
mkdir -p "$work/$kit/bin" "$work/$kit/docs/images"
cmake --install "$build" --component job_file --prefix "$work/$kit" >/dev/null
for tool in qexpreview qexcard; do
  i686-w64-mingw32-strip -o "$work/$kit/bin/$tool.exe" "$build/bin/$tool.exe"
done
cp "$root/docs/formats.md" "$work/$kit/docs"
for image in $(grep -o 'images/[A-Za-z0-9_.-]*' "$root/docs/formats.md" | sort -u); do
  cp "$root/docs/$image" "$work/$kit/docs/images"
done
sed 's/$/\r/' "$root/docs/driver_kit.txt" >"$work/$kit/README.txt"
(cd "$work/$kit" && find . -type f ! -name SHA256SUMS | cut -c3- | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
rm -f "$out/$kit.zip"
(cd "$work" && cmake -E tar cf "$out/$kit.zip" --format=zip "$kit")

status=0
for archive in "$zip" "$out/$kit.zip"; do
  unzip -l "$archive"
  rm -rf "$work/check"
  unzip -q "$archive" -d "$work/check"
  (cd "$work"/check/*/ && sha256sum --quiet -c SHA256SUMS) || status=1
  mapfile -t programs < <(find "$work/check" -name '*.exe' | sort)
  bash "$root/tests/release/xp_imports.sh" i686-w64-mingw32-objdump i686-w64-mingw32-gcc-win32 5.01 \
    "${programs[@]}" || status=1
  echo "$archive: $(stat -c %s "$archive") bytes"
done
# A driver-side program builds against the kit's library alone, with its CMake package.
cmake -S "$root/examples/job_file" -B "$work/example" -DCMAKE_PREFIX_PATH="$work/check/$kit" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null &&
  cmake --build "$work/example" >/dev/null || { echo "the kit's library builds no program" >&2; status=1; }
exit $status
