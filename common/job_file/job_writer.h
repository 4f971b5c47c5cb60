// Writes preview files (the job's raster bands, rectangles and line runs) and overlay files
// (its polylines) in memory. Every value is checked before it is stored: a call that the
// viewer would refuse, or whose value does not fit its field, appends nothing and returns
// false with the reason in error(), so that what bytes() holds is always a file that the
// viewer reads to the end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/job_file/job_encoding.h"
#include "common/job_file/preview_header.h"

constexpr int kJobPenCount = 8;

// A block of 1-bit rows, most significant bit leftmost; rows.size() must be rowCount x
// bytesPerRow. Coordinates are file units, 0 to 65535.
struct RasterBandRecord {
  int originY = 0;
  int originX = 0;
  int firstRow = 0;   // y of the first row, below originY
  int bandWidth = 0;  // pixels per row that are drawn
  int rowCount = 0;
  int bytesPerRow = 0;
  int pen = 0;
  uint32_t rasterOp = kRopSrcInvert;  // kRopSrcInvert draws the 1 bits, kRopSrcCopy the 0 bits
  std::vector<uint8_t> rows;
};

// Edges in file units, 0 to 65535; right and bottom are excluded, and originY moves the
// top edge only.
struct FilledRectRecord {
  int originY = 0;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int pen = 0;
};

// Horizontal runs on one row; x from -32768 to 32767, the end pixel not drawn.
struct LineSegment {
  int xStart = 0;
  int xEnd = 0;
};
struct LineRunsRecord {
  int pen = 0;
  int rowY = 0;                       // -32768 to 32767
  std::vector<LineSegment> segments;  // at most 32766
};

// An open polyline of an overlay; coordinates -32768 to 32767.
struct OverlayPoint {
  int x = 0;
  int y = 0;
};
struct OverlayPolyline {
  int pen = 0;
  std::vector<OverlayPoint> points;  // at most 65535
};

// Empty when the header can be written, else why not.
std::string CheckPreviewHeader(const PreviewHeader& header);

// What both writers share: the header, the bytes written and the first refusal.
class JobFileWriter {
 public:
  // The header comes first and once; records before it are refused.
  bool Begin(const PreviewHeader& header);

  const std::vector<uint8_t>& bytes() const { return out_.bytes(); }
  // The first refusal, empty when every call succeeded.
  const std::string& error() const { return error_; }

 protected:
  // Keeps the first reason; always false.
  bool Refuse(const std::string& reason);
  // False, with a refusal, before the header.
  bool Started(const char* record);

  JobBytes out_;

 private:
  bool begun_ = false;
  std::string error_;
};

class PreviewWriter : public JobFileWriter {
 public:
  bool RasterBand(const RasterBandRecord& band);
  bool FilledRect(const FilledRectRecord& rect);
  bool LineRuns(const LineRunsRecord& runs);
  bool Empty();
};

class OverlayWriter : public JobFileWriter {
 public:
  bool Polyline(const OverlayPolyline& polyline);
};
