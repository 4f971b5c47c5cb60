// Bounds-checked little-endian reading from a block of memory, and the matching stores.
#pragma once
#include <cstddef>
#include <cstdint>

inline void PutU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

inline void PutU32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Reads never run past the end: a read that does not fit leaves the cursor where it was,
// sets the sticky failure flag and returns false; nothing is zero-filled.
class ByteCursor {
 public:
  ByteCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t offset() const { return offset_; }
  size_t remaining() const { return size_ - offset_; }
  bool AtEnd() const { return offset_ == size_; }
  bool failed() const { return failed_; }

  bool ReadU8(uint8_t* value) {
    if (!Fits(1)) return false;
    *value = data_[offset_++];
    return true;
  }
  bool ReadU16(uint16_t* value) {
    if (!Fits(2)) return false;
    *value = static_cast<uint16_t>(data_[offset_] | (data_[offset_ + 1] << 8));
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
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[offset_ + i];
    *value = v;
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
    if (count > size_ - offset_) {
      failed_ = true;
      return false;
    }
    return true;
  }

  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool failed_ = false;
};
