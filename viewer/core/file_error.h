// Where and why reading a preview or overlay file failed.
#pragma once
#include <cstdint>
#include <string>

// offset is the byte offset of the failing item.
struct PreviewError {
  uint64_t offset = 0;
  std::string reason;
};

// Records the failure (when `error` is given); always returns -1.
int PreviewFailure(PreviewError* error, uint64_t offset, const std::string& reason);
// "pen N is not below 8" at `offset`.
int BadPen(PreviewError* error, uint64_t offset, unsigned pen);
