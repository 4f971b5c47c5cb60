#!/usr/bin/env bash
# Generates docs/formats.md from docs/formats.md.in and the example pictures from the tools
# in BIN (formatdoc, qexpreview).
#   make_formats_doc.sh BIN            writes docs/formats.md and docs/images/format_*.png
#   make_formats_doc.sh --check BIN DIR  generates into DIR and fails when anything differs
#                                        from the committed files
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check=no
if [ "${1:-}" = --check ]; then check=yes; shift; fi
[ $# -eq $([ $check = yes ] && echo 2 || echo 1) ] || { echo "usage: $0 [--check] BIN [DIR]" >&2; exit 2; }
bin=$(cd "$1" && pwd)
if [ $check = yes ]; then out=$2; else out=$root/docs; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/images"

"$bin/formatdoc" example "$work"
# qexpreview runs beside the files so that its output names no folder.
(
  cd "$work"
  for job in example example_mirrored example_cut; do
    "$bin/qexpreview" info $job.PRN >$job.info.txt || true
  done
  "$bin/qexpreview" render example.PRN example.bmp --png "$out/images/format_example.png"
  "$bin/formatdoc" dump example.bmp 70 >example.bmp.txt
  "$bin/qexpreview" render example.PRN --png "$out/images/format_example_overlay.png" --overlay
  "$bin/qexpreview" render example_mirrored.PRN --png "$out/images/format_example_mirrored.png" --overlay
  # The rules' worked examples: what qexpreview reports and what the viewer's core draws.
  "$bin/qexpreview" dump minimal.PRN >minimal.dump.txt
  for job in fit axes; do "$bin/qexpreview" info $job.PRN >$job.info.txt; done
  "$bin/formatdoc" pixels axes.PRN >axes.pixels.txt
  for job in minimal column0 mirror rect order; do "$bin/formatdoc" art $job.PRN >$job.art.txt; done
  "$bin/qexpreview" render large.PRN large.bmp
  "$bin/formatdoc" place large.bmp large.VCT 1100 600 >large.place.txt
  "$bin/formatdoc" art lines.PRN lines.VCT >lines.art.txt
  "$bin/qexpreview" dump lines.VCT >lines.dump.txt
  "$bin/qexpreview" info zero.VCT >zero.info.txt
  "$bin/formatdoc" art lines.PRN zero.VCT >zero.art.txt
)
"$bin/formatdoc" fill "$root/docs/formats.md.in" "$work" "$out/formats.md"

if [ $check = yes ]; then
  status=0
  for file in formats.md images/format_example.png images/format_example_overlay.png images/format_example_mirrored.png; do
    if ! cmp -s "$out/$file" "$root/docs/$file"; then
      echo "docs/$file differs from what the tools generate ($out/$file)"
      status=1
    fi
  done
  if [ $status -ne 0 ]; then
    echo "refresh with: bash tools/formatdoc/make_formats_doc.sh $bin"
  fi
  exit $status
fi
