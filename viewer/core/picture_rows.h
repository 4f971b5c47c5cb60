// Row helpers for moving pictures between layouts: the untouched white runs of a memory
// picture row, and copying rows between buffers whose row lengths differ.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelRun {
  int x;
  int length;
};

// The runs of untouched white (kWhitenessPixel) in a row of `width` pixels, left to right.
std::vector<PixelRun> WhiteRuns(const uint32_t* row, int width);

// Copies `rows` rows of `rowBytes` bytes from rows `sourceStride` bytes apart to rows
// `targetStride` bytes apart, top row first; the padding of the target rows is zeroed.
// Both strides must be at least `rowBytes`.
void CopyRows(const uint8_t* source, size_t sourceStride, uint8_t* target, size_t targetStride, size_t rowBytes,
              size_t rows);
