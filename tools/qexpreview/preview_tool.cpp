// The two jobs of qexpreview: render a preview file to image files, and describe it.
#include "tools/qexpreview/preview_tool.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "tools/common/write_file.h"
#include "tools/qexpreview/png_output.h"
#include "viewer/core/bmp_writer.h"
#include "viewer/core/file_source.h"
#include "viewer/core/overlay_picture.h"
#include "viewer/core/preview_file.h"
#include "viewer/core/vector_file.h"

namespace {

uint32_t FloatBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The job file mapped into memory, rendered in place instead of being copied piece by piece.
// Files that cannot be mapped (empty, not regular, refused for their size, or refused by the
// system) are left to the ordinary reader, which also reports why they fail. Like any reader
// of a mapping, the tool expects nobody to cut the file short while it renders.
class MappedJob {
 public:
  explicit MappedJob(const char* fileName) {
    const int fd = open(fileName, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 && info.st_size <= kLargestReadableFile) {
      const size_t size = static_cast<size_t>(info.st_size);
      void* data = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
      if (data != MAP_FAILED) {
        data_ = data;
        size_ = size;
      }
    }
    close(fd);
  }
  ~MappedJob() {
    if (data_) munmap(data_, size_);
  }
  MappedJob(const MappedJob&) = delete;
  MappedJob& operator=(const MappedJob&) = delete;

  const uint8_t* data() const { return static_cast<const uint8_t*>(data_); }
  size_t size() const { return size_; }

 private:
  void* data_ = nullptr;
  size_t size_ = 0;
};

int RenderJobFile(const std::string& job, RenderState& state, PreviewError* error, RecordCounts* counts = nullptr) {
  NoMonitorObserver observer;
  const MappedJob mapped(job.c_str());
  if (mapped.data()) return RenderPreview(mapped.data(), mapped.size(), state, observer, error, counts);
  return ReadPreviewFile(job.c_str(), state, observer, error, counts);
}

// The snapshot BMP: its headers, then the picture's memory as it is.
bool WriteSnapshotBmp(const MemoryPicture& picture, const std::string& fileName) {
  uint8_t headers[kSnapshotHeadersSize];
  WriteSnapshotHeaders(picture, headers);
  return WriteFilePieces(fileName, {{headers, sizeof headers}, {picture.Bytes(), picture.ByteCount()}});
}

// Draws the job's vector file over the rendered picture.
bool DrawJobOverlay(const std::string& job, RenderState& state, FILE* err) {
  std::string overlayName;
  if (!OverlayFileName(job, &overlayName)) {
    std::fprintf(err, "%s: the name is too short to have a vector file\n", job.c_str());
    return false;
  }
  FileSource source;
  if (!source.Open(overlayName.c_str())) {
    std::fprintf(err, "cannot read %s\n", overlayName.c_str());
    return false;
  }
  ByteCursor overlay(source);
  if (DrawOverlayIntoPicture(overlay, state.picture, state) != 0) {
    std::fprintf(err, "%s: short header or invalid record\n", overlayName.c_str());
    return false;
  }
  return true;
}

}  // namespace

int RenderJob(const std::string& job, const std::string& bmpName, const std::string& pngName, bool overlay, FILE* err) {
  RenderState state;
  PreviewError error;
  if (RenderJobFile(job, state, &error) != 0) {
    std::fprintf(err, "%s: byte %llu: %s\n", job.c_str(), static_cast<unsigned long long>(error.offset),
                 error.reason.c_str());
    return 1;
  }
  if (overlay && !DrawJobOverlay(job, state, err)) return 1;
  if (!bmpName.empty() && !WriteSnapshotBmp(state.picture, bmpName)) {
    std::fprintf(err, "cannot write %s\n", bmpName.c_str());
    return 1;
  }
  std::string reason;
  if (!pngName.empty() && !WritePng(state.picture, pngName, &reason)) {
    std::fprintf(err, "%s\n", reason.c_str());
    return 1;
  }
  return 0;
}

int DescribeJob(const std::string& job, FILE* out) {
  RenderState state;
  PreviewError error;
  RecordCounts counts;
  const int result = RenderJobFile(job, state, &error, &counts);
  if (state.picture.width() > 0) {
    std::fprintf(out, "header: width %u, height %u\n", state.headerWidth, state.headerHeight);
    std::fprintf(out, "mirrored: %s\n", state.mirrored ? "yes" : "no");
    std::fprintf(out, "picture: %u x %u\n", state.pictureWidth, state.pictureHeight);
    std::fprintf(out, "zoom: %.9g (0x%08X)\n", state.zoom, static_cast<unsigned>(FloatBits(state.zoom)));
    std::fprintf(out, "scaleX: %.9g (0x%08X)\n", state.scaleX, static_cast<unsigned>(FloatBits(state.scaleX)));
    std::fprintf(out, "scaleY: %.9g (0x%08X)\n", state.scaleY, static_cast<unsigned>(FloatBits(state.scaleY)));
    std::fprintf(out, "raster bands: %u\nfilled rectangles: %u\nline runs: %u\nempty records: %u\n", counts.rasterBands,
                 counts.filledRects, counts.lineRuns, counts.emptyRecords);
  }
  if (result != 0) {
    std::fprintf(out, "failure at byte %llu: %s\n", static_cast<unsigned long long>(error.offset),
                 error.reason.c_str());
    return 1;
  }
  std::fprintf(out, "result: ok\n");
  return 0;
}
