// Where the bits of a raster band's row land in the picture, worked out once per geometry.
#include "viewer/core/raster_columns.h"

#include <algorithm>
#include <new>

#include "viewer/core/preview_records.h"

bool RasterColumns::Prepare(int x0, int bytes, bool mirrored, float scaleX, int pictureWidth) {
  if (prepared_ && x0 == x0_ && bytes == bytes_) return true;
  prepared_ = false;
  const int step = mirrored ? -1 : 1;
  // Groups of each byte, in bit order, as (column, bits).
  std::vector<RasterSlot> groups;
  std::vector<int> groupCount;
  try {
    for (int j = 0; j < bytes; ++j) {
      const int firstX = x0 + step * 8 * j;
      int count = 0;
      for (int k = 7; k >= 0; --k) {
        const int column = ScaleToPixel(firstX + step * (7 - k), scaleX);
        if (count == 0 || groups.back().column != column) {
          groups.push_back({column, 0, 0});
          ++count;
        }
        groups.back().bits = static_cast<uint8_t>(groups.back().bits | (1u << k));
      }
      groupCount.push_back(count);
    }
    slotsPerByte_ = groupCount.empty() ? 0 : *std::max_element(groupCount.begin(), groupCount.end());
    RasterSlot unused{};  // no bits: never plotted
    unused.column = pictureWidth;
    slots_.assign(static_cast<size_t>(bytes) * slotsPerByte_, unused);
  } catch (const std::bad_alloc&) {
    return false;
  }
  firstColumn_ = pictureWidth;
  lastColumn_ = -1;
  bool conditions = false;
  size_t next = 0;
  for (int j = 0; j < bytes; ++j) {
    uint8_t earlier = 0;
    RasterSlot* slot = &slots_[static_cast<size_t>(j) * slotsPerByte_];
    for (int g = 0; g < groupCount[j]; ++g, ++next) {
      const RasterSlot& group = groups[next];
      const bool inside = group.column >= 0 && group.column < pictureWidth;
      // Column 0 is plotted only after a bit of an earlier group; as a first group, never.
      const bool possible = group.column != 0 || earlier != 0;
      if (inside && possible) {
        slot[g] = {group.column, group.bits, static_cast<uint8_t>(group.column == 0 ? earlier : 0)};
        conditions = conditions || slot[g].earlier != 0;
        firstColumn_ = std::min(firstColumn_, group.column);
        lastColumn_ = std::max(lastColumn_, group.column);
      }
      earlier = static_cast<uint8_t>(earlier | group.bits);
    }
  }
  pairs_.clear();
  if (slotsPerByte_ <= 2 && !conditions) {
    try {
      pairs_.resize(static_cast<size_t>(bytes));
    } catch (const std::bad_alloc&) {
      return false;
    }
    for (int j = 0, g = 0; j < bytes; g += groupCount[j], ++j) {
      const RasterSlot* slot = Slots(j);
      uint32_t split = 0;
      for (unsigned bits = groups[g].bits; bits; bits &= bits - 1) ++split;
      pairs_[j] = {slot[0].column, slotsPerByte_ == 2 ? slot[1].column : pictureWidth, split};
    }
  }
  prepared_ = true;
  x0_ = x0;
  bytes_ = bytes;
  return true;
}
