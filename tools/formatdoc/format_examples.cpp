// The examples of docs/formats.md.
#include "tools/formatdoc/format_examples.h"

#include <algorithm>
#include <cstdio>

#include "common/job_file/job_writer.h"
#include "tools/wizard_bitmaps/wizard_bitmaps.h"
#include "wizard/core/driver_settings.h"
#include "wizard/core/alignment_job.h"

using namespace qex;

namespace {

std::string Hex(const uint8_t* bytes, size_t size) {
  std::string text;
  for (size_t i = 0; i < size; ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%s%02X", i == 0 ? "" : " ", bytes[i]);
    text += byte;
  }
  return text;
}

// Appends the bytes from `from` on under a label.
void Dump(std::string& out, const std::vector<uint8_t>& bytes, size_t from, const std::string& label) {
  out += label + "\n" + HexLines(bytes, from, bytes.size());
}

// Writes one record and dumps it; a refusal is kept in job.error.
template <typename Writer, typename Call>
void Record(ExampleJob& job, Writer& writer, std::string& dump, const std::string& label, Call call) {
  const size_t from = writer.bytes().size();
  if (!call() && job.error.empty()) job.error = writer.error();
  Dump(dump, writer.bytes(), from, label);
}

// Rows of `width` pixels from text art: '#' is a set bit.
std::vector<uint8_t> Rows(const std::vector<const char*>& art, int bytesPerRow) {
  std::vector<uint8_t> rows(art.size() * static_cast<size_t>(bytesPerRow), 0);
  for (size_t r = 0; r < art.size(); ++r) {
    for (int x = 0; art[r][x] != '\0' && x < 8 * bytesPerRow; ++x) {
      if (art[r][x] == '#') rows[r * bytesPerRow + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return rows;
}

}  // namespace

std::string HexLines(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
  std::string out;
  to = std::min(to, bytes.size());
  for (size_t at = from; at < to; at += 16) {
    char offset[32];
    std::snprintf(offset, sizeof offset, "  %06zX  ", at);
    out += offset + Hex(bytes.data() + at, std::min<size_t>(16, to - at)) + "\n";
  }
  return out;
}

ExampleJob BuildExampleJob(bool mirrored) {
  ExampleJob job;
  const PreviewHeader header{64, 32, mirrored ? -10 : 10, 10};
  PreviewWriter preview;
  OverlayWriter overlay;
  Record(job, preview, job.previewDump,
         "header: 64 x 32 pixels, x pitch " + std::to_string(header.xPitch) + ", y pitch 10",
         [&] { return preview.Begin(header); });

  RasterBandRecord arrow;
  arrow.originY = 4, arrow.originX = 4, arrow.bandWidth = 14, arrow.rowCount = 8, arrow.bytesPerRow = 2;
  arrow.pen = 4;
  arrow.rasterOp = kRopSrcInvert;
  arrow.rows = Rows({"......##........", "......####......", "######..####....", "######....######", "######....######",
                     "######..####....", "......####......", "......##........"},
                    2);
  Record(job, preview, job.previewDump,
         "raster band, SRCINVERT (1 bits drawn), pen 4 blue, 8 rows of 2 bytes at (4, 4)",
         [&] { return preview.RasterBand(arrow); });

  RasterBandRecord bars = arrow;
  bars.originY = 14, bars.firstRow = 2, bars.bandWidth = 16, bars.rowCount = 4, bars.pen = 0;
  bars.rasterOp = kRopSrcCopy;
  bars.rows = Rows({"##..##..##..##..", "##..##..##..##..", "################", "##..##..##..##.."}, 2);
  Record(job, preview, job.previewDump,
         "raster band, SRCCOPY (0 bits drawn), pen 0 black, 4 rows from row 2 below origin 14",
         [&] { return preview.RasterBand(bars); });

  Record(job, preview, job.previewDump, "filled rectangle, pen 1 red: origin 20, left 40, top 0, right 60, bottom 28",
         [&] {
           return preview.FilledRect({20, 40, 0, 60, 28, 1});
         });
  Record(job, preview, job.previewDump, "line runs, pen 2 green, row 8: 40 to 50 and 62 back to 52", [&] {
    return preview.LineRuns({2, 8, {{40, 50}, {62, 52}}});
  });
  Record(job, preview, job.previewDump, "empty record", [&] { return preview.Empty(); });

  Record(job, overlay, job.overlayDump, "header (the preview's)", [&] { return overlay.Begin(header); });
  Record(job, overlay, job.overlayDump, "polyline, pen 7 orange, 5 points: a frame around the arrow", [&] {
    return overlay.Polyline({7, {{2, 2}, {21, 2}, {21, 13}, {2, 13}, {2, 2}}});
  });
  Record(job, overlay, job.overlayDump, "polyline, pen 5 magenta, 2 points", [&] {
    return overlay.Polyline({5, {{30, 30}, {62, 16}}});
  });
  job.preview = preview.bytes();
  job.overlay = overlay.bytes();
  return job;
}

namespace {

class RecordingDevice : public PrintDevice, public ProgressDisplay {
 public:
  std::string log;

  void CreateDC(const char* deviceName, const uint8_t*) override { Line(std::string("CreateDC ") + deviceName); }
  int StartDoc(const char* documentName) override { return Line(std::string("StartDoc ") + documentName), 1; }
  void Escape(int escape, const uint8_t* input, int inputSize) override {
    // The packet is its 2-byte count and that many bytes; the rest of the buffer is not part of it.
    const size_t packet = std::min<size_t>(2 + (input[0] | input[1] << 8), static_cast<size_t>(inputSize));
    Line("Escape " + std::to_string(escape) + ", " + std::to_string(inputSize) +
         " bytes handed over: " + Hex(input, packet));
  }
  int StartPage() override { return Line("StartPage"), 1; }
  void EndPage() override { Line("EndPage"); }
  void EndDoc() override { Line("EndDoc"); }
  void DeleteDC() override { Line("DeleteDC"); }
  void DrawBitmapResource(int resourceId, int x, int y) override {
    // The letter row's own size, as the wizard's bitmap generator draws it.
    Line("Bitmap " + std::to_string(resourceId) + " (" + std::to_string(kLetterRowWidth) + " x " +
         std::to_string(kLetterRowHeight) + ", 1 bit) SRCCOPY at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
  }
  void FillBlack(int x, int y, int width, int height) override {
    // The 21 bars of a page on one line: their x, then the common y and size.
    if (barXs_.empty())
      barRest_ = " at y " + std::to_string(y) + ", each " + std::to_string(width) + " x " + std::to_string(height);
    barXs_ += (barXs_.empty() ? "" : " ") + std::to_string(x);
  }
  void ShowProgress(int percent) override { Line("Progress " + std::to_string(percent) + " %"); }

 private:
  void Line(const std::string& text) {
    if (!barXs_.empty()) log += "BLACKNESS bars at x " + barXs_ + barRest_ + "\n";
    barXs_.clear();
    log += text + "\n";
  }
  std::string barXs_, barRest_;
};

}  // namespace

std::string AlignmentJobDump() {
  std::vector<uint8_t> block(kDriverSettingsSize, 0);
  PutU8(block.data(), settings_offset::hashPacket, 1);
  PutU8(block.data(), settings_offset::speedFactor, 2);
  TuningState tuning;
  tuning.power1 = 400;
  tuning.speed = 400;
  RecordingDevice device;
  PrintTestJob(device, device, block.data(), tuning, SampleOriginFromSettings(block.data()), "Engraver");
  return device.log;
}
