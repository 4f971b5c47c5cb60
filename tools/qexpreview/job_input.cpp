// Opens job files: mapped on POSIX systems, read piece by piece elsewhere and as a fallback.
#include "tools/qexpreview/job_input.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "viewer/core/file_source.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

JobKind KindOfFileName(const std::string& fileName) {
  if (fileName.size() < 3) return JobKind::kPreview;
  std::string ending = fileName.substr(fileName.size() - 3);
  for (char& c : ending) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ending == "VCT" ? JobKind::kOverlay : JobKind::kPreview;
}

struct JobInput::Source {
  FileSource file;
#ifndef _WIN32
  // Like any reader of a mapping, the tool expects nobody to cut the file short meanwhile.
  void* mapped = nullptr;
  size_t mappedSize = 0;

  ~Source() {
    if (mapped) munmap(mapped, mappedSize);
  }

  // Maps a regular file that is not empty; 0, or the error number when the file cannot be
  // opened or is a folder. Anything else that cannot be mapped is left to the file reader.
  int Map(const char* fileName) {
    const int fd = open(fileName, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat info;
    const bool known = fstat(fd, &info) == 0;
    const int result = known && S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (known && S_ISREG(info.st_mode) && info.st_size > 0 && static_cast<uint64_t>(info.st_size) <= SIZE_MAX) {
      void* data = mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (data != MAP_FAILED) {
        mapped = data;
        mappedSize = static_cast<size_t>(info.st_size);
      }
    }
    close(fd);
    return result;
  }
#endif
};

JobInput::JobInput() = default;
JobInput::~JobInput() = default;

bool JobInput::Open(const std::string& fileName, std::string* reason) {
  source_ = std::make_unique<Source>();
  int errorNumber = 0;
#ifndef _WIN32
  errorNumber = source_->Map(fileName.c_str());
  if (source_->mapped) {
    cursor_ = std::make_unique<ByteCursor>(static_cast<const uint8_t*>(source_->mapped), source_->mappedSize);
    return true;
  }
#endif
  if (errorNumber == 0 && source_->file.Open(fileName.c_str())) {
    cursor_ = std::make_unique<ByteCursor>(source_->file);
    return true;
  }
  if (errorNumber == 0) errorNumber = source_->file.openError();
  *reason = errorNumber != 0 ? std::strerror(errorNumber) : "unknown error";
  return false;
}

bool JobInput::Open(const std::string& fileName, FILE* err) {
  std::string reason;
  if (Open(fileName, &reason)) return true;
  std::fprintf(err, "qexpreview: cannot open %s: %s\n", fileName.c_str(), reason.c_str());
  return false;
}
