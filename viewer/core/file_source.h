// A file read piece by piece into one reused buffer, as the bytes of a ByteCursor.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "viewer/core/byte_cursor.h"

// The largest file read: no job comes near 2 GiB, and refusing larger files keeps a huge or
// sparse one from being read for minutes, record by record.
constexpr int64_t kLargestReadableFile = 0x7FFFFFFF;

class FileSource : public ByteSource {
 public:
  // Opens the file; false when it cannot be opened, its size cannot be found or it holds
  // 2 GiB or more.
  bool Open(const char* fileName);
  ~FileSource() override;

  uint64_t Left() const override { return left_; }
  bool Refill(const uint8_t* unread, size_t unreadCount, size_t count, const uint8_t** window,
              size_t* windowSize) override;

 private:
  FILE* file_ = nullptr;
  uint64_t left_ = 0;
  std::vector<uint8_t> buffer_;
};
