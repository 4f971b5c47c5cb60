// qexpreview: renders a preview file into the viewer's snapshot BMP or a PNG, or describes it.
#include <cstdio>
#include <new>
#include <string>

#include "tools/qexpreview/preview_tool.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: qexpreview render JOB OUT.bmp [--png OUT.png] [--overlay]\n"
               "       qexpreview render JOB --png OUT.png [--overlay]\n"
               "  --overlay  draw the job's vector file (NAME ending in VCT) over the picture\n"
               "       qexpreview info JOB\n");
  return 2;
}

int Run(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const std::string job = argv[2];
  if (command == "info" && argc == 3) return DescribeJob(job, stdout);
  if (command != "render") return Usage();
  std::string bmp, png;
  bool overlay = false;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc && png.empty()) {
      png = argv[++i];
    } else if (arg == "--overlay" && !overlay) {
      overlay = true;
    } else if (arg.rfind("--", 0) != 0 && bmp.empty()) {
      bmp = arg;
    } else {
      return Usage();
    }
  }
  if (bmp.empty() && png.empty()) return Usage();
  return RenderJob(job, bmp, png, overlay, stderr);
}

}  // namespace

int main(int argc, char** argv) {
  // The picture, its BMP and PNG rows are sized from the job's header: running out of
  // memory for them is an ordinary failure.
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "out of memory\n");
    return 1;
  }
}
