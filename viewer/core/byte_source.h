// A stream that hands a ByteCursor its bytes piece by piece.
#pragma once
#include <cstddef>
#include <cstdint>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Bytes of the stream not yet handed out.
  virtual uint64_t Left() const = 0;
  // Makes `count` bytes (at most the unread ones plus Left()) contiguous: the cursor's
  // unread bytes, then more of the stream. The old window is invalid afterwards.
  virtual bool Refill(const uint8_t* unread, size_t unreadCount, size_t count, const uint8_t** window,
                      size_t* windowSize) = 0;
};
