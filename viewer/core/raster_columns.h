// Where the bits of a raster band's row land in the picture, worked out once per band
// geometry and reused by every row and every later band of the same geometry.
//
// Along one byte the bits are tested in the order 7..0 and their columns move one way
// (up, or down when mirrored), so the bits fall into groups of equal column. A taken bit
// sets its column unless the byte's last plotted column (starting at 0) is the same; so a
// group is plotted when one of its bits is taken and either its column is not 0 or a bit
// of an earlier group was taken. The groups of each byte are kept as slots: column (or
// the spare column `pictureWidth` for a column outside the picture or one never plotted),
// the group's bits, and the earlier groups' bits when the column is 0.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RasterSlot {
  int32_t column;
  uint8_t bits;
  uint8_t earlier;  // 0: no condition; else one of these bits must be taken as well
};

// The common case of at most two groups per byte, neither with a condition: the first group
// holds the byte's top `split` bits (bits 7 .. 8 - split), the second the rest.
struct RasterPair {
  int32_t first;   // column of the first group, or the spare column
  int32_t second;  // column of the second group, or the spare column
  uint32_t split;  // 1 .. 8
};

class RasterColumns {
 public:
  // Prepares byte j = 0 .. bytes - 1 of a row whose bit 7 of byte 0 lies at x0 and whose
  // pixels run to the right (or to the left when mirrored). False when memory runs out. One
  // object serves the bands of one file, which share mirroring, scale and picture width: only
  // x0 and bytes tell one geometry from another.
  bool Prepare(int x0, int bytes, bool mirrored, float scaleX, int pictureWidth);

  int slotsPerByte() const { return slotsPerByte_; }
  const RasterSlot* Slots(int j) const { return &slots_[static_cast<size_t>(j) * slotsPerByte_]; }
  // Pairs exist when every byte has at most two groups and none has a condition.
  bool hasPairs() const { return !pairs_.empty(); }
  const RasterPair* Pairs(int j) const { return &pairs_[static_cast<size_t>(j)]; }
  // The lowest and highest picture column any slot sets (first > last when none).
  int firstColumn() const { return firstColumn_; }
  int lastColumn() const { return lastColumn_; }

 private:
  bool prepared_ = false;
  int x0_;
  int bytes_;
  int slotsPerByte_;
  int firstColumn_;
  int lastColumn_;
  std::vector<RasterSlot> slots_;
  std::vector<RasterPair> pairs_;
};
