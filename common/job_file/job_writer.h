// Writes preview files (the job's raster bands, rectangles and line runs) and overlay files
// (its polylines) in memory. Every value is checked before it is stored. The first call that
// the viewer would refuse, or whose value does not fit its field, ends the file: it and every
// later call append nothing and return false, and error() names the refused record by its
// index and says why. So bytes() is always a file that the viewer reads to the end, and a
// driver writing thousands of bands checks error() once, after the last one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "preview_header.h"

namespace qex {

constexpr int kJobPenCount = 8;

// The raster operations of a band.
constexpr uint32_t kRopSrcCopy = 0x00CC0020;    // the 0 bits are drawn
constexpr uint32_t kRopSrcInvert = 0x00660046;  // the 1 bits are drawn

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
  uint32_t rasterOp = kRopSrcInvert;
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

// What both writers share: the header, the bytes written and the refusal that ended them.
class JobFileWriter {
 public:
  // The header comes first and once; records before it are refused.
  bool Begin(const PreviewHeader& header);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  // Records written (the header not counted); after a refusal, the refused record's index.
  size_t records() const { return records_; }
  // Empty while every call succeeded; else "record INDEX: KIND: REASON" (or "header: REASON").
  const std::string& error() const { return error_; }

 protected:
  // False, with a refusal, before the header and after a refusal.
  bool Writable(const char* record);
  // Ends the file; always false.
  bool Refuse(const char* record, const std::string& reason);
  // Appends one record: `encode` writes it through the byte encoder (job_writer.cpp). Running
  // out of memory refuses the record and keeps the bytes before it.
  template <typename Encode>
  bool Append(const char* record, Encode encode);

 private:
  bool begun_ = false;
  size_t records_ = 0;
  std::vector<uint8_t> bytes_;
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

}  // namespace qex
