// A file read piece by piece into one reused buffer, as the bytes of a ByteCursor.
#include "viewer/core/file_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace {

// Bytes read at a time; a request for more is read in one go.
constexpr size_t kPiece = 256 * 1024;

// Positions in 64 bits: a 32-bit long would wrap for a file of 2 GiB or more. MinGW's
// _fseeki64 and _ftelli64 for the 32-bit msvcrt are built on _filelengthi64, fsetpos and
// fgetpos, whose positions are 64-bit.
#ifdef _WIN32
int Seek64(FILE* file, int64_t offset, int origin) { return _fseeki64(file, offset, origin); }
int64_t Tell64(FILE* file) { return _ftelli64(file); }
#else
int Seek64(FILE* file, int64_t offset, int origin) { return fseeko(file, offset, origin); }
int64_t Tell64(FILE* file) { return ftello(file); }
#endif

// The size, or -1 for a file that did not open or cannot seek.
int64_t FileSize(FILE* file) {
  if (!file || Seek64(file, 0, SEEK_END) != 0) return -1;
  return Tell64(file);
}

}  // namespace

bool FileSource::Open(const char* fileName) {
  file_ = std::fopen(fileName, "rb");
  const int64_t size = FileSize(file_);
  if (size < 0 || Seek64(file_, 0, SEEK_SET) != 0) {
    openError_ = errno;
    return false;
  }
  left_ = static_cast<uint64_t>(size);
  return true;
}

FileSource::~FileSource() {
  if (file_) std::fclose(file_);
}

bool FileSource::Refill(const uint8_t* unread, size_t unreadCount, size_t count, const uint8_t** window,
                        size_t* windowSize) {
  // The cursor asks only for what is left, so `want` covers `count` and the buffer never
  // outgrows the file; nothing is left of a file that did not open.
  const size_t want = static_cast<size_t>(std::min<uint64_t>(std::max(count, kPiece), unreadCount + left_));
  // The unread bytes are the end of the window handed out last, which is the buffer (or
  // nothing before the first refill). The buffer grows first, keeping them, so that a failure
  // leaves the window as it was.
  const size_t unreadAt = static_cast<size_t>(unread - buffer_.data());
  try {
    buffer_.resize(std::max(buffer_.size(), want));
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::memmove(buffer_.data(), buffer_.data() + unreadAt, unreadCount);
  const size_t toRead = want - unreadCount;
  const size_t got = std::fread(buffer_.data() + unreadCount, 1, toRead, file_);
  left_ -= got;
  if (got != toRead) return false;  // the file shrank or could not be read
  *window = buffer_.data();
  *windowSize = want;
  return true;
}
