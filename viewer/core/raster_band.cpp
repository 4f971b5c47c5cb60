// The raster band record: 1-bit rows plotted pixel by pixel, copied row by row to the monitor.
#include <cstdint>

#include "viewer/core/pen_palette.h"
#include "viewer/core/preview_records.h"

namespace {

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kSrcInvert = 0x00660046;

struct BandHeader {
  uint16_t originY, originX, firstRow, bandWidth, rowCount, bytesPerRow, pen;
};

struct BandPlotter {
  MemoryPicture& picture;
  uint32_t colour;
  uint8_t passOver;     // a byte of this value holds no pixel to plot
  uint8_t bitTable[8];  // expected value of bit k
  bool thinning;
  bool mirrored;
  int originX;
  int limit;  // originX + bandWidth: pixels at or beyond it are not plotted
  int bytesPerRow;
  float scaleX;

  void PlotRow(const uint8_t* row, int y) const {
    for (int j = 0; j < bytesPerRow; ++j) {
      const uint8_t byte = row[j];
      if (byte == passOver) continue;
      int lastColumn = 0;
      const int firstX = mirrored ? originX + 8 * bytesPerRow - 8 * j : originX + 8 * j;
      const int step = mirrored ? -1 : 1;
      for (int k = 7; k >= 0; --k) {
        if ((byte & (1u << k)) != bitTable[k]) continue;
        if (thinning && (k == 5 || k == 3 || k == 1)) continue;
        const int x = firstX + step * (7 - k);
        if (x >= limit) continue;
        const int column = ScaleToPixel(x, scaleX);
        // Only a column that differs from the byte's last one is set; the last one starts at 0.
        if (column != lastColumn) picture.SetPixel(column, y, colour);
        lastColumn = column;
      }
    }
  }
};

}  // namespace

int DrawRasterBand(PreviewContext& context) {
  ByteCursor& in = context.cursor;
  RenderState& state = context.state;
  RenderObserver& observer = context.observer;
  const size_t start = in.offset();
  BandHeader h;
  if (!in.ReadU16(&h.originY) || !in.ReadU16(&h.originX) || !in.ReadU16(&h.firstRow) ||
      !in.ReadU16(&h.bandWidth) || !in.ReadU16(&h.rowCount) || !in.ReadU16(&h.bytesPerRow) ||
      !in.ReadU16(&h.pen)) {
    return PreviewFailure(context, start, "raster band header cut short");
  }
  if (h.pen >= kPenCount) {
    return PreviewFailure(context, start + 12, "pen " + std::to_string(h.pen) + " is not below 8");
  }
  uint32_t rasterOp;
  if (!in.ReadU32(&rasterOp)) return PreviewFailure(context, start + 14, "raster operation cut short");
  if (h.rowCount > 0 && h.bytesPerRow == 0) {
    return PreviewFailure(context, start + 10, "raster band of " + std::to_string(h.rowCount) + " rows of 0 bytes");
  }
  // The rows are used in place: their size is checked against what the file holds.
  const size_t rowsSize = static_cast<size_t>(h.rowCount) * h.bytesPerRow;
  const uint8_t* rows = nullptr;
  if (!in.Take(rowsSize, &rows)) {
    return PreviewFailure(context, start + 18, "raster band announces " + std::to_string(rowsSize) +
                                                   " bytes of rows, " + std::to_string(in.remaining()) + " left");
  }

  BandPlotter plotter{state.picture,
                      PenPalette[h.pen],
                      static_cast<uint8_t>(rasterOp == kSrcCopy ? 0xFF : 0x00),
                      {},
                      state.zoom < 0.25f,
                      state.mirrored != 0,
                      h.originX,
                      h.originX + h.bandWidth,
                      h.bytesPerRow,
                      state.scaleX};
  for (int k = 0; k < 8; ++k) plotter.bitTable[k] = rasterOp == kSrcInvert ? static_cast<uint8_t>(1u << k) : 0;

  const int baseRow = h.originY + h.firstRow;
  int lastRow = -1;
  for (int i = 0; i < h.rowCount; ++i) {
    const int y = ScaleToPixel(i + baseRow, state.scaleY);
    if (y == lastRow) continue;
    lastRow = y;
    if (observer.MonitorOpen()) observer.Pump();
    plotter.PlotRow(rows + static_cast<size_t>(i) * h.bytesPerRow, y);
    if (observer.MonitorOpen() && (y != state.lastCopiedRow || i == 0)) {
      state.lastCopiedRow = y;
      observer.CopyRow(state, y);
      if (observer.MonitorOpen()) observer.Pump();
    }
  }
  return 0;
}
