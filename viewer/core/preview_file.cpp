// Reads a preview file: header, picture size, scale factors, and the record loop.
#include "viewer/core/preview_file.h"

#include <algorithm>
#include <vector>

#include "viewer/core/file_source.h"
#include "viewer/core/preview_records.h"
#include "viewer/core/raster_columns.h"

namespace {

// The 32-bit float 0.1 (0x3DCCCCCD) that the pitches are multiplied by.
constexpr float kTenth = 0.1f;

void SetScaleFactors(RenderState& state, unsigned xPitch, unsigned yPitch) {
  state.zoom = static_cast<float>(state.pictureWidth) / static_cast<float>(state.headerWidth);
  const double xProduct = static_cast<double>(xPitch) * static_cast<double>(kTenth);
  state.scaleX = static_cast<float>(xProduct * static_cast<double>(state.zoom));
  const float yProduct = static_cast<float>(static_cast<double>(yPitch) * static_cast<double>(kTenth));
  state.scaleY = static_cast<float>(static_cast<double>(yProduct) * static_cast<double>(state.zoom));
}

bool ReadRecords(PreviewContext& context, RecordCounts& counts) {
  PreviewRecordHead head{};
  for (int next; (next = ReadRecordHead(context.cursor, context.error, &head)) != 0;) {
    if (next == -1) return false;
    switch (head.tag) {
      case kTagRasterBand:
        if (!DrawRasterBand(context, head.band)) return false;
        ++counts.rasterBands;
        break;
      case kTagFilledRect:
        DrawFilledRect(context, head.rect);
        ++counts.filledRects;
        break;
      case kTagLineRuns:
        if (!DrawLineRuns(context, head.runs)) return false;
        ++counts.lineRuns;
        break;
      default: ++counts.emptyRecords;
    }
  }
  return true;
}

}  // namespace

PictureSize FitPreviewPicture(int width, int height) {
  if (width <= kMaxPictureSide && height <= kMaxPictureSide) return {width, height};
  const double ratio = static_cast<double>(width) / static_cast<double>(height);
  PictureSize size;
  if (ratio > 1.0) {
    size = {kMaxPictureSide, static_cast<int>(kMaxPictureSide / ratio)};
  } else {
    size = {static_cast<int>(ratio * kMaxPictureSide), kMaxPictureSide};
    if (size.width % 2 != 0) size.width += 1;
  }
  // A very thin job keeps one pixel rather than vanishing.
  return {std::max(size.width, 1), std::max(size.height, 1)};
}

int RenderPreview(ByteCursor& in, RenderState& state, RenderObserver& observer, PreviewError* error,
                  RecordCounts* counts) {
  RasterColumns columns;
  std::vector<uint8_t> columnMarks;
  PreviewContext context{in, state, observer, error, columns, columnMarks};
  // What was read of the header stays in the state, also when it is refused. A header cut
  // short before its x pitch leaves the picture unmirrored, as a cleared state has it.
  qex::PreviewHeader header;
  header.width = state.headerWidth;
  header.height = state.headerHeight;
  const int headerResult = ReadPreviewFileHeader(in, error, &header);
  state.headerWidth = static_cast<uint16_t>(header.width);
  state.headerHeight = static_cast<uint16_t>(header.height);
  state.mirrored = header.mirrored();
  if (headerResult != 0) return -1;

  const PictureSize picture = FitPreviewPicture(state.headerWidth, state.headerHeight);
  if (!state.picture.Create(picture.width, picture.height)) {
    return PreviewFailure(context, 0, "no memory for the picture");
  }
  state.pictureWidth = static_cast<uint16_t>(picture.width);
  state.pictureHeight = static_cast<uint16_t>(picture.height);
  if (!observer.CreateSurface(state)) return PreviewFailure(context, 0, "no surface for the picture");
  SetScaleFactors(state, header.xPitchSize(), header.yPitch);
  observer.LayoutMonitor(state);

  RecordCounts localCounts;
  return ReadRecords(context, counts ? *counts : localCounts) ? 0 : -1;
}

int RenderPreview(const uint8_t* data, size_t size, RenderState& state, RenderObserver& observer, PreviewError* error,
                  RecordCounts* counts) {
  ByteCursor in(data, size);
  return RenderPreview(in, state, observer, error, counts);
}

int ReadPreviewFile(const char* fileName, RenderState& state, RenderObserver& observer, PreviewError* error,
                    RecordCounts* counts) {
  // The file is read piece by piece as the records need it; a band's rows are read whole.
  FileSource file;
  if (!file.Open(fileName)) {
    if (error) *error = {0, "cannot open the file"};
    return -1;
  }
  ByteCursor in(file);
  return RenderPreview(in, state, observer, error, counts);
}
