// A preview file through the whole renderer, without a monitor.
#include "viewer/core/preview_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RenderState state;
  NoMonitorObserver observer;
  RenderPreview(data, size, state, observer);
  return 0;
}
