// previewbench: the best time of rendering a preview file without a monitor, against the
// best time of reading it in 128 KB pieces and dropping them (what cat to /dev/null does).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "viewer/core/preview_file.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename F>
double BestMicroseconds(int runs, F&& work) {
  double best = 0;
  for (int i = 0; i < runs; ++i) {
    const Clock::time_point start = Clock::now();
    if (!work()) return -1;
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    if (i == 0 || us < best) best = us;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: previewbench JOB [RUNS]\n");
    return 2;
  }
  const char* job = argv[1];
  int runs = 20;
  if (argc > 2) {
    char* end = nullptr;
    const long asked = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || end == argv[2] || asked < 1 || asked > 10000) {
      std::fprintf(stderr, "RUNS must be a number from 1 to 10000\n");
      return 2;
    }
    runs = static_cast<int>(asked);
  }
  std::vector<char> piece(128 * 1024);
  const double read = BestMicroseconds(runs, [&] {
    FILE* file = std::fopen(job, "rb");
    if (!file) return false;
    while (std::fread(piece.data(), 1, piece.size(), file) == piece.size()) {
    }
    std::fclose(file);
    return true;
  });
  const double render = BestMicroseconds(runs, [&] {
    RenderState state;
    NoMonitorObserver observer;
    return ReadPreviewFile(job, state, observer) == 0;
  });
  if (read < 0 || render < 0) {
    std::fprintf(stderr, "cannot read or render %s\n", job);
    return 1;
  }
  std::printf("in one process: read %.0f us, render %.0f us, ratio %.2f\n", read, render, render / read);
  return 0;
}
