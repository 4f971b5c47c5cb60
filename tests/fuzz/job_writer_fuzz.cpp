// The job-file writer driven by the fuzzer's bytes: whatever it accepts, the viewer must read
// to the end, record for record, and whatever it refuses must leave the file as it was.
#include <cstdlib>

#include "common/job_file/job_writer.h"
#include "viewer/core/preview_file.h"
#include "viewer/core/vector_file.h"

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : in_(data, size) {}
  size_t left() const { return static_cast<size_t>(in_.remaining()); }
  uint8_t Byte() {
    uint8_t b = 0;
    in_.ReadU8(&b);
    return b;
  }
  // Mostly values of a 16-bit field, now and then one just outside the ranges.
  int Field() {
    static const int kOutside[] = {-1, 65536, 32768, -32769, 8, 128, -129, 256};
    const uint8_t kind = Byte();
    uint16_t raw = 0;
    if (kind >= 0xF8) return kOutside[kind & 7];
    in_.ReadU16(&raw);
    return kind >= 0xF0 ? static_cast<int16_t>(raw) : raw;
  }
  std::vector<uint8_t> Bytes(size_t count) {
    const uint8_t* bytes = nullptr;
    if (count > left() || !in_.Take(count, &bytes)) return {};
    return std::vector<uint8_t>(bytes, bytes + count);
  }

 private:
  ByteCursor in_;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// A refused call must leave the bytes as they were; returns whether it was accepted.
template <typename Writer, typename Call>
bool Write(Writer& writer, Call call) {
  const size_t before = writer.bytes().size();
  const bool accepted = call();
  Check(accepted ? writer.bytes().size() > before : writer.bytes().size() == before && !writer.error().empty());
  return accepted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input input(data, size);
  JobHeader header{input.Field(), input.Field(), input.Field(), input.Field()};
  // Stored x pitch bytes, signed, besides the values outside.
  if (header.xPitch >= 0 && header.xPitch <= 65535) header.xPitch = static_cast<int8_t>(header.xPitch);
  PreviewWriter preview;
  OverlayWriter overlay;
  if (!Write(preview, [&] { return preview.Begin(header); })) return 0;
  Check(overlay.Begin(header));
  unsigned records = 0, polylines = 0;
  while (input.left() > 0) {
    switch (input.Byte() % 5) {
      case 0: {
        RasterBandRecord b;
        b.originY = input.Field(), b.originX = input.Field(), b.firstRow = input.Field();
        b.bandWidth = input.Field(), b.rowCount = input.Field(), b.bytesPerRow = input.Field(), b.pen = input.Field();
        b.rasterOp = static_cast<uint32_t>(input.Field()) << 16 | static_cast<uint16_t>(input.Field());
        // The rows announced, give or take a byte, as far as the input holds them.
        const long long announced = static_cast<long long>(b.rowCount) * b.bytesPerRow + input.Byte() % 3 - 1;
        b.rows = input.Bytes(announced >= 0 && announced <= 65536 ? static_cast<size_t>(announced) : 0);
        records += Write(preview, [&] { return preview.RasterBand(b); });
        break;
      }
      case 1: {
        const FilledRectRecord r{input.Field(), input.Field(), input.Field(),
                                 input.Field(), input.Field(), input.Field()};
        records += Write(preview, [&] { return preview.FilledRect(r); });
        break;
      }
      case 2: {
        LineRunsRecord r{input.Field(), input.Field(), {}};
        for (int n = input.Byte() % 8; n > 0; --n) r.segments.push_back({input.Field(), input.Field()});
        records += Write(preview, [&] { return preview.LineRuns(r); });
        break;
      }
      case 3: records += Write(preview, [&] { return preview.Empty(); }); break;
      default: {
        OverlayPolyline p{input.Field(), {}};
        for (int n = input.Byte() % 8; n > 0; --n) p.points.push_back({input.Field(), input.Field()});
        polylines += Write(overlay, [&] { return overlay.Polyline(p); });
        break;
      }
    }
  }

  RenderState state;
  NoMonitorObserver observer;
  RecordCounts counts;
  Check(RenderPreview(preview.bytes().data(), preview.bytes().size(), state, observer, nullptr, &counts) == 0);
  Check(counts.rasterBands + counts.filledRects + counts.lineRuns + counts.emptyRecords == records);

  ByteCursor in(overlay.bytes().data(), overlay.bytes().size());
  JobHeader vectorHeader;
  Check(ReadJobHeader(in, &vectorHeader));
  for (PolylineRecord record; in.remaining() > 0; --polylines) Check(ReadPolylineRecord(in, &record) == 0);
  Check(polylines == 0);
  return 0;
}
