// A RenderObserver for tests: records every call and can close the monitor after some pumps.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/job_file/job_encoding.h"
#include "viewer/core/preview_file.h"

class RecordingObserver : public RenderObserver {
 public:
  bool monitor = true;
  int closeAfterPumps = -1;  // the monitor closes inside this pump (1-based); -1 never
  bool surfaceOk = true;
  std::vector<std::string> calls;

  bool CreateSurface(const RenderState& s) override {
    return calls.push_back("surface " + std::to_string(s.pictureWidth) + "x" + std::to_string(s.pictureHeight)),
           surfaceOk;
  }
  void LayoutMonitor(RenderState&) override { calls.push_back("layout"); }
  bool MonitorOpen() const override { return monitor; }
  void Pump() override {
    calls.push_back("pump");
    if (++pumps_ == closeAfterPumps) monitor = false;
  }
  void CopyRow(const RenderState&, int y) override { calls.push_back("copy " + std::to_string(y)); }

 private:
  int pumps_ = 0;
};

struct Rendered {
  int result = 0;
  RenderState state;
  RecordingObserver observer;
  PreviewError error;
};

inline void Render(const std::vector<uint8_t>& bytes, Rendered& out) {
  out.result = RenderPreview(bytes.data(), bytes.size(), out.state, out.observer, &out.error);
}

using Pixels = std::set<std::pair<int, int>>;

// The pixels of the picture that are not white, as (x, y) pairs.
inline Pixels DrawnPixels(const MemoryPicture& picture) {
  Pixels drawn;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.Pixel(x, y) != kWhitenessPixel) drawn.insert({x, y});
    }
  }
  return drawn;
}
