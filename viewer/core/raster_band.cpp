// The raster band record: 1-bit rows plotted into the picture, copied row by row to the monitor.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "viewer/core/pen_palette.h"
#include "viewer/core/preview_records.h"
#include "viewer/core/raster_columns.h"

namespace {

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kSrcInvert = 0x00660046;

bool ResizeMarks(std::vector<uint8_t>& marks, size_t size) {
  try {
    marks.assign(size, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

// Plots the rows of one band: the taken bits of each byte mark their groups' columns in a
// row of marks, and the marked columns are set afterwards. Every pixel of a band has the
// same colour, so the order in which its pixels are set does not matter.
class BandPlotter {
 public:
  BandPlotter(MemoryPicture& picture, const RasterColumns& columns, uint32_t colour, std::vector<uint8_t>& marks)
      : picture_(picture), columns_(columns), colour_(colour), marks_(marks) {}

  // The bits of each byte value that are plotted: none for the value passed over, else the
  // bits equal to the bit table's value, less those that thinning leaves out.
  void SetBitRule(uint32_t rasterOp, bool thinning) {
    const uint8_t passOver = rasterOp == kSrcCopy ? 0xFF : 0x00;
    passOverEight_ = passOver ? ~uint64_t{0} : 0;
    const uint8_t allowed = thinning ? 0xD5 : 0xFF;  // thinning leaves out bits 5, 3 and 1
    for (int value = 0; value < 256; ++value) {
      const uint8_t bits = static_cast<uint8_t>(rasterOp == kSrcInvert ? value : ~value);
      taken_[value] = value == passOver ? 0 : static_cast<uint8_t>(bits & allowed);
    }
    // For pairs: bit 0 when the first group (the top `split` bits) has a taken bit, bit 1
    // when the second has.
    for (int split = 1; split <= 8; ++split) {
      const unsigned top = (0xFF00u >> split) & 0xFFu;
      for (int value = 0; value < 256; ++value) {
        const unsigned taken = taken_[value];
        pairTable_[split][value] =
            static_cast<uint8_t>(((taken & top) != 0 ? 1 : 0) | ((taken & ~top & 0xFFu) != 0 ? 2 : 0));
      }
    }
  }

  // Bytes whose pixels all lie before the limit, and the byte that straddles it.
  void SetLimit(int originX, int bandWidth, int bytesPerRow, bool mirrored) {
    const int limit = originX + bandWidth;
    fullBegin_ = fullEnd_ = 0;
    partial_ = -1;
    for (int j = 0; j < bytesPerRow; ++j) {
      // The byte covers lowX .. lowX + 7; bit 7 is its leftmost pixel, or its rightmost
      // when mirrored.
      const int lowX = mirrored ? originX + 8 * bytesPerRow - 8 * j - 7 : originX + 8 * j;
      const int before = std::clamp(limit - lowX, 0, 8);
      const auto mask = static_cast<uint8_t>(mirrored ? (1u << before) - 1 : 0xFF00u >> before);
      if (mask == 0xFF) {
        if (fullEnd_ == fullBegin_) fullBegin_ = j;
        fullEnd_ = j + 1;
      } else if (mask != 0) {
        partial_ = j;
        partialMask_ = mask;
      }
    }
  }

  void PlotRow(const uint8_t* row, int y) {
    if (y < 0 || y >= picture_.height()) return;
    if (columns_.hasPairs()) {
      MarkPairs(row, fullBegin_, fullEnd_);
    } else {
      MarkBytes(row, fullBegin_, fullEnd_, 0xFF);
    }
    if (partial_ >= 0) MarkBytes(row, partial_, partial_ + 1, partialMask_);
    // Marked columns take the colour (SetPixel), and the marks are cleared for the next row.
    uint32_t* out = picture_.Row(y);
    uint8_t* marks = marks_.data();
    const uint32_t pixel = DevicePixel(colour_);
    for (int column = columns_.firstColumn(); column <= columns_.lastColumn(); ++column) {
      const uint32_t set = 0u - marks[column];
      out[column] = (out[column] & ~set) | (pixel & set);
      marks[column] = 0;
    }
  }

 private:
  // The first byte from j on that is not part of eight bytes passed over together: blank
  // stretches are common in engraving rows, so eight bytes are compared at once.
  int SkipPassedOver(const uint8_t* row, int j, int end) const {
    uint64_t eight;
    while (end - j >= 8 && (std::memcpy(&eight, row + j, 8), eight == passOverEight_)) j += 8;
    return j;
  }

  // Everything the loop reads is held locally: the stores into the marks may alias any
  // memory.
  void MarkBytes(const uint8_t* row, int begin, int end, uint8_t mask) {
    const int count = columns_.slotsPerByte();
    const uint8_t* takenTable = taken_;
    uint8_t* marks = marks_.data();
    const RasterSlot* slots = columns_.Slots(0);
    for (int j = SkipPassedOver(row, begin, end); j < end; j = SkipPassedOver(row, j + 1, end)) {
      const unsigned taken = takenTable[row[j]] & mask;
      const RasterSlot* slot = slots + j * count;
      for (int g = 0; g < count; ++g) {
        const RasterSlot s = slot[g];
        const unsigned plotted = static_cast<unsigned>((taken & s.bits) != 0) &
                                 static_cast<unsigned>((s.earlier == 0) | ((taken & s.earlier) != 0));
        marks[s.column] = static_cast<uint8_t>(marks[s.column] | plotted);
      }
    }
  }

  void MarkPairs(const uint8_t* row, int begin, int end) {
    uint8_t* marks = marks_.data();
    const RasterPair* pairs = columns_.Pairs(0);
    for (int j = SkipPassedOver(row, begin, end); j < end; j = SkipPassedOver(row, j + 1, end)) {
      const RasterPair& pair = pairs[j];
      const unsigned plotted = pairTable_[pair.split][row[j]];
      marks[pair.first] = static_cast<uint8_t>(marks[pair.first] | (plotted & 1u));
      marks[pair.second] = static_cast<uint8_t>(marks[pair.second] | (plotted >> 1));
    }
  }

  MemoryPicture& picture_;
  const RasterColumns& columns_;
  uint32_t colour_;
  std::vector<uint8_t>& marks_;  // one per picture column and a spare one; all 0 between rows
  // Set by SetBitRule and SetLimit before the first row.
  uint8_t taken_[256];
  uint8_t pairTable_[9][256];
  uint64_t passOverEight_;
  int fullBegin_;
  int fullEnd_;
  int partial_;
  uint8_t partialMask_;
};

}  // namespace

int ReadRasterBand(ByteCursor& in, PreviewError* error, RasterBandFields* h) {
  const uint64_t start = in.offset();
  if (!in.ReadU16(&h->originY) || !in.ReadU16(&h->originX) || !in.ReadU16(&h->firstRow) || !in.ReadU16(&h->bandWidth) ||
      !in.ReadU16(&h->rowCount) || !in.ReadU16(&h->bytesPerRow) || !in.ReadU16(&h->pen)) {
    return PreviewFailure(error, start, "raster band header cut short");
  }
  if (h->pen >= kPenCount) {
    return PreviewFailure(error, start + 12, "pen " + std::to_string(h->pen) + " is not below 8");
  }
  if (!in.ReadU32(&h->rasterOp)) return PreviewFailure(error, start + 14, "raster operation cut short");
  if (h->rowCount > 0 && h->bytesPerRow == 0) {
    return PreviewFailure(error, start + 10, "raster band of " + std::to_string(h->rowCount) + " rows of 0 bytes");
  }
  // A band cut short fails before any of its rows is drawn.
  const uint64_t rowsSize = uint64_t{h->rowCount} * h->bytesPerRow;
  if (rowsSize > in.remaining()) {
    return PreviewFailure(error, start + 18,
                          "raster band announces " + std::to_string(rowsSize) + " bytes of rows, " +
                              std::to_string(in.remaining()) + " left");
  }
  return 0;
}

int ReadRasterRow(ByteCursor& in, PreviewError* error, const RasterBandFields& band, const uint8_t** row) {
  const uint64_t start = in.offset();
  return in.Take(band.bytesPerRow, row) ? 0 : PreviewFailure(error, start, "cannot read the file");
}

bool DrawRasterBand(PreviewContext& context, const RasterBandFields& h) {
  RenderState& state = context.state;
  RenderObserver& observer = context.observer;
  if (h.rowCount == 0) return true;
  const bool mirrored = state.mirrored != 0;
  const int width = state.picture.width();
  std::vector<uint8_t>& marks = context.columnMarks;
  if (!context.columns.Prepare(mirrored ? h.originX + 8 * h.bytesPerRow : h.originX, h.bytesPerRow, mirrored,
                               state.scaleX, width) ||
      !ResizeMarks(marks, static_cast<size_t>(width) + 1)) {
    PreviewFailure(context, context.cursor.offset(), "no memory for the band's columns");
    return false;
  }
  BandPlotter plotter(state.picture, context.columns, PenPalette[h.pen], marks);
  plotter.SetBitRule(h.rasterOp, state.zoom < 0.25f);
  plotter.SetLimit(h.originX, h.bandWidth, h.bytesPerRow, mirrored);

  const int baseRow = h.originY + h.firstRow;
  int lastRow = -1;
  for (int i = 0; i < h.rowCount; ++i) {
    const uint8_t* row;
    if (ReadRasterRow(context.cursor, context.error, h, &row) != 0) return false;
    const int y = ScaleToPixel(i + baseRow, state.scaleY);
    if (y == lastRow) continue;
    lastRow = y;
    if (observer.MonitorOpen()) observer.Pump();
    plotter.PlotRow(row, y);
    if (observer.MonitorOpen() && (y != state.lastCopiedRow || i == 0)) {
      state.lastCopiedRow = y;
      observer.CopyRow(state, y);
      if (observer.MonitorOpen()) observer.Pump();
    }
  }
  return true;
}
