// Drives the writer from bytes and compares the records it took with what the viewer reads.
#include "tests/fuzz/job_round_trip.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/job_file/job_writer.h"
#include "viewer/core/preview_records.h"
#include "viewer/core/vector_file.h"

using namespace qex;

namespace {

// A header, or a record as its tag (preview records only) and its fields in file order.
using Fields = std::vector<long long>;
using Records = std::vector<Fields>;

// The writer's records and the readers' fields share their names, so one builder serves both.
Fields FieldsOfHeader(const PreviewHeader& h) { return {h.width, h.height, h.xPitch, h.yPitch}; }

template <typename Band>
Fields FieldsOfBand(const Band& b, const uint8_t* rows, size_t size) {
  // The rows as one field (FNV-1a), so that long bands stay cheap to compare.
  uint64_t hash = 14695981039346656037u;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ rows[i]) * 1099511628211u;
  return {kTagRasterBand, b.originY,     b.originX, b.firstRow, b.bandWidth,
          b.rowCount,     b.bytesPerRow, b.pen,     b.rasterOp, static_cast<long long>(hash)};
}

template <typename Rect>
Fields FieldsOfRect(const Rect& r) {
  return {kTagFilledRect, r.originY, r.left, r.top, r.right, r.bottom, r.pen};
}

template <typename Segment>
Fields FieldsOfRuns(int pen, int rowY, const std::vector<Segment>& segments) {
  Fields f{kTagLineRuns, pen, rowY};
  for (const Segment& s : segments) f.insert(f.end(), {s.xStart, s.xEnd});
  return f;
}

template <typename Polyline>
Fields FieldsOfPolyline(const Polyline& p) {
  Fields f{p.pen};
  for (const auto& point : p.points) f.insert(f.end(), {point.x, point.y});
  return f;
}

class Input {
 public:
  Input(const uint8_t* data, size_t size) : in_(data, size) {}
  bool ended() const { return in_.remaining() == 0; }
  // 0 once the input has ended.
  uint8_t Byte() {
    uint8_t b = 0;
    in_.ReadU8(&b);
    return b;
  }
  // lowest..highest: one time in four an end, one time in 128 just outside, else mostly
  // near lowest (small counts keep bands small).
  int Value(int lowest, int highest) {
    const uint8_t kind = Byte();
    outside_ = outside_ || kind >= 254;
    if (kind >= 254) return kind == 254 ? lowest - 1 : highest + 1;
    if (kind < 64) return kind < 32 ? lowest : highest;
    uint16_t raw = 0;
    in_.ReadU16(&raw);
    return lowest + static_cast<int>((raw >> kind % 16) % (static_cast<unsigned>(highest - lowest) + 1));
  }
  // Whether a value was outside its range since the last call.
  bool TookOutside() { return std::exchange(outside_, false); }

 private:
  ByteCursor in_;
  bool outside_ = false;
};

RasterBandRecord Band(Input& in) {
  RasterBandRecord b;
  b.originY = in.Value(0, 65535), b.originX = in.Value(0, 65535), b.firstRow = in.Value(0, 65535);
  b.bandWidth = in.Value(0, 65535), b.rowCount = in.Value(0, 65535);
  b.bytesPerRow = in.Value(b.rowCount > 0 ? 1 : 0, 65535);
  // A long band has short rows, so that it holds at most 64 KiB.
  if (b.rowCount > 0 && b.bytesPerRow <= 65535) b.bytesPerRow = std::min(b.bytesPerRow, 65536 / b.rowCount);
  b.pen = in.Value(0, 7);
  b.rasterOp = std::vector<uint32_t>{kRopSrcCopy, kRopSrcInvert, 0x00BB0226}[in.Byte() % 3];
  // The rows announced, now and then a byte more or less; none when the counts are refused.
  const long long announced = static_cast<long long>(b.rowCount) * b.bytesPerRow, change = in.Value(0, 0);
  if (announced >= 0 && announced <= 1 << 17) b.rows.resize(announced + (announced > 0 ? change : std::abs(change)));
  const uint8_t seed = in.Byte();
  for (size_t i = 0; i < b.rows.size(); ++i) b.rows[i] = static_cast<uint8_t>(seed + i * 37 + (i >> 8));
  return b;
}

// Exactly the calls with a value outside, and every call after them, must be refused; the
// first refusal names the record's index, and none writes anything.
template <typename Writer, typename Call>
std::string Write(Writer& writer, Input& in, Fields fields, Records* written, Call call) {
  const size_t before = writer.bytes().size();
  const std::string earlier = writer.error();
  const bool valid = !in.TookOutside() && earlier.empty();
  const bool accepted = call();
  if (accepted != valid) return accepted ? "a value out of range was accepted" : "refused: " + writer.error();
  if (accepted) return written->push_back(std::move(fields)), "";
  const std::string index = "record " + std::to_string(written->size() - 1) + ": ";
  const bool named = earlier.empty() ? writer.error().rfind(index, 0) == 0 : writer.error() == earlier;
  return writer.bytes().size() == before && named ? "" : "refused, but not cleanly: " + writer.error();
}

// The preview's header and records as the viewer's readers see them; it must render to the end.
std::string ReadPreview(const std::vector<uint8_t>& file, Records* records) {
  ByteCursor in(file.data(), file.size());
  PreviewError error;
  PreviewHeader header;
  if (ReadPreviewFileHeader(in, &error, &header) != 0) return error.reason;
  records->push_back(FieldsOfHeader(header));
  PreviewRecordHead head;
  for (int next; (next = ReadRecordHead(in, &error, &head)) != 0;) {
    if (next < 0) return error.reason;
    if (head.tag == kTagRasterBand) {
      const RasterBandFields& b = head.band;
      const uint8_t* rows = nullptr;
      if (!in.Take(static_cast<size_t>(b.rowCount) * b.bytesPerRow, &rows)) return "the band's rows cut short";
      records->push_back(FieldsOfBand(b, rows, static_cast<size_t>(b.rowCount) * b.bytesPerRow));
    } else if (head.tag == kTagFilledRect) {
      records->push_back(FieldsOfRect(head.rect));
    } else if (head.tag == kTagLineRuns) {
      std::vector<LineSegmentFields> segments(std::max(0, head.runs.count - 1));
      for (size_t i = 0; i < segments.size(); ++i) {
        if (ReadLineSegment(in, &error, head.runs, static_cast<int>(i) + 1, &segments[i]) != 0) return error.reason;
      }
      records->push_back(FieldsOfRuns(head.runs.pen, head.runs.rowY, segments));
    } else {
      records->push_back({head.tag});
    }
  }
  if (in.remaining() != 0) return "a stray byte after the last record";
  RenderState state;
  NoMonitorObserver observer;
  const bool rendered = RenderPreview(file.data(), file.size(), state, observer, &error) == 0;
  return rendered ? "" : "the preview does not render: " + error.reason;
}

std::string ReadOverlay(const std::vector<uint8_t>& file, Records* records) {
  ByteCursor in(file.data(), file.size());
  PreviewHeader header;
  if (!ReadPreviewHeader(in, &header)) return "overlay header cut short";
  records->push_back(FieldsOfHeader(header));
  for (PolylineRecord p; in.remaining() > 0;) {
    if (ReadPolylineRecord(in, &p) != 0) return "polyline " + std::to_string(records->size()) + " unreadable";
    records->push_back(FieldsOfPolyline(p));
  }
  return {};
}

}  // namespace

std::string JobRoundTrip(const uint8_t* data, size_t size) {
  Input in(data, size);
  const bool mirrored = in.Byte() % 2;
  PreviewHeader header{in.Value(1, 65535), in.Value(1, 65535), mirrored ? -in.Value(1, 128) : in.Value(1, 127),
                       in.Value(1, 255)};
  PreviewWriter preview;
  OverlayWriter overlay;
  const bool begun = preview.Begin(header);
  if (overlay.Begin(header) != begun || begun == in.TookOutside()) {
    return begun ? "a header out of range was accepted" : "header refused: " + preview.error();
  }
  Records written{FieldsOfHeader(header)}, polylines{FieldsOfHeader(header)};
  std::string failure;
  while (!in.ended() && failure.empty()) {
    switch (in.Byte() % 5) {
      case 0: {
        const RasterBandRecord b = Band(in);
        failure = Write(preview, in, FieldsOfBand(b, b.rows.data(), b.rows.size()), &written,
                        [&] { return preview.RasterBand(b); });
        break;
      }
      case 1: {
        const FilledRectRecord r{in.Value(0, 65535), in.Value(0, 65535), in.Value(0, 65535),
                                 in.Value(0, 65535), in.Value(0, 65535), in.Value(0, 7)};
        failure = Write(preview, in, FieldsOfRect(r), &written, [&] { return preview.FilledRect(r); });
        break;
      }
      case 2: {
        LineRunsRecord r{in.Value(0, 7), in.Value(-32768, 32767), std::vector<LineSegment>(in.Byte() % 8)};
        for (LineSegment& s : r.segments) s = {in.Value(-32768, 32767), in.Value(-32768, 32767)};
        failure =
            Write(preview, in, FieldsOfRuns(r.pen, r.rowY, r.segments), &written, [&] { return preview.LineRuns(r); });
        break;
      }
      case 3: failure = Write(preview, in, {kTagEmptyRecord}, &written, [&] { return preview.Empty(); }); break;
      default: {
        OverlayPolyline p{in.Value(0, 7), std::vector<OverlayPoint>(in.Byte() % 16)};
        for (OverlayPoint& point : p.points) point = {in.Value(-32768, 32767), in.Value(-32768, 32767)};
        failure = Write(overlay, in, FieldsOfPolyline(p), &polylines, [&] { return overlay.Polyline(p); });
        break;
      }
    }
  }
  if (!failure.empty() || !begun) return failure;
  Records previewRead, overlayRead;
  failure = ReadPreview(preview.bytes(), &previewRead) + ReadOverlay(overlay.bytes(), &overlayRead);
  if (failure.empty() && written != previewRead) failure = "a preview record comes back different";
  if (failure.empty() && polylines != overlayRead) failure = "a polyline comes back different";
  return failure;
}
