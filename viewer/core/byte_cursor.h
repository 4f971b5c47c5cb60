// Bounds-checked little-endian reading from a block of memory, and the matching stores.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"
#include "viewer/core/byte_source.h"

// Reads never run past the end: a read that does not fit leaves the cursor where it was,
// sets the sticky failure flag and returns false; nothing is zero-filled. A cursor over a
// ByteSource reads from a window that the source refills; bytes handed out by Take stay
// valid until the next read.
class ByteCursor {
 public:
  ByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteCursor(ByteSource& source) : source_(&source) {}

  uint64_t offset() const { return base_ + offset_; }
  uint64_t remaining() const { return (size_ - offset_) + (source_ ? source_->Left() : 0); }
  bool failed() const { return failed_; }

  bool ReadU8(uint8_t* value) {
    if (!Fits(1)) return false;
    *value = data_[offset_++];
    return true;
  }
  bool ReadU16(uint16_t* value) {
    if (!Fits(2)) return false;
    *value = GetU16(data_ + offset_);
    offset_ += 2;
    return true;
  }
  bool ReadI16(int16_t* value) {
    uint16_t raw;
    if (!ReadU16(&raw)) return false;
    *value = static_cast<int16_t>(raw);
    return true;
  }
  bool ReadU32(uint32_t* value) {
    if (!Fits(4)) return false;
    *value = GetU32(data_ + offset_);
    offset_ += 4;
    return true;
  }
  // Hands out `count` bytes in place and moves past them.
  bool Take(size_t count, const uint8_t** bytes) {
    if (!Fits(count)) return false;
    *bytes = data_ + offset_;
    offset_ += count;
    return true;
  }

 private:
  bool Fits(size_t count) {
    if (count <= size_ - offset_) return true;
    if (count <= remaining() && source_ && source_->Refill(data_ + offset_, size_ - offset_, count, &data_, &size_)) {
      base_ += offset_;
      offset_ = 0;
      return true;
    }
    failed_ = true;
    return false;
  }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t offset_ = 0;
  uint64_t base_ = 0;  // stream offset of data_[0]
  ByteSource* source_ = nullptr;
  bool failed_ = false;
};
