// A file read piece by piece into one reused buffer, as the bytes of a ByteCursor. Files of
// any size are read: sizes and offsets are 64-bit, and memory never grows with the file.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "viewer/core/byte_source.h"

class FileSource : public ByteSource {
 public:
  // Opens the file; false when it cannot be opened or its size cannot be found, with the
  // system's error number in openError().
  bool Open(const char* fileName);
  ~FileSource() override;

  int openError() const { return openError_; }

  uint64_t Left() const override { return left_; }
  bool Refill(const uint8_t* unread, size_t unreadCount, size_t count, const uint8_t** window,
              size_t* windowSize) override;

 private:
  FILE* file_ = nullptr;
  int openError_ = 0;
  uint64_t left_ = 0;
  std::vector<uint8_t> buffer_;
};
