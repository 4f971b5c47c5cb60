// Move-only owners of Win32 handles, device contexts and GDI objects: each releases what
// it holds the way it was obtained.
#pragma once
#include <windows.h>

#include <utility>

template <typename T, typename Traits>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(T value) : value_(value) {}
  ~Scoped() { reset(); }
  Scoped(Scoped&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = std::exchange(other.value_, T{});
    }
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != T{} && value_ != Traits::Invalid(); }
  T release() { return std::exchange(value_, T{}); }
  void reset(T value = T{}) {
    if (value_ != T{} && value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  T value_{};
};

struct HandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
using ScopedHandle = Scoped<HANDLE, HandleTraits>;

struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC dc) { DeleteDC(dc); }
};
// A DC from CreateCompatibleDC or CreateDC.
using ScopedCreatedDc = Scoped<HDC, MemoryDcTraits>;

template <typename G>
struct GdiObjectTraits {
  static G Invalid() { return nullptr; }
  static void Close(G object) { DeleteObject(object); }
};
template <typename G>
using ScopedGdiObject = Scoped<G, GdiObjectTraits<G>>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedRegion = ScopedGdiObject<HRGN>;

struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND window) { DestroyWindow(window); }
};
// A window of ours, destroyed on release.
using ScopedWindow = Scoped<HWND, WindowTraits>;

// A pair of handles released together: `second` is given back to (or selected into) `first`.
template <typename A, typename B, void (*Release)(A, B)>
class ScopedPair {
 public:
  ScopedPair() = default;
  ScopedPair(A first, B second) : first_(first), second_(second) {}
  ~ScopedPair() { reset(); }
  ScopedPair(ScopedPair&& other) noexcept
      : first_(std::exchange(other.first_, A{})), second_(std::exchange(other.second_, B{})) {}
  ScopedPair& operator=(ScopedPair&& other) noexcept {
    if (this != &other) {
      reset();
      first_ = std::exchange(other.first_, A{});
      second_ = std::exchange(other.second_, B{});
    }
    return *this;
  }
  ScopedPair(const ScopedPair&) = delete;
  ScopedPair& operator=(const ScopedPair&) = delete;

  void reset() {
    if (second_) Release(first_, second_);
    first_ = A{};
    second_ = B{};
  }

 protected:
  A first_{};
  B second_{};
};

inline void ReleaseWindowDc(HWND window, HDC dc) { ReleaseDC(window, dc); }
inline void SelectBack(HDC dc, HGDIOBJ previous) { SelectObject(dc, previous); }

// A window's DC from GetDC, released to that window.
class ScopedWindowDc : public ScopedPair<HWND, HDC, ReleaseWindowDc> {
 public:
  ScopedWindowDc() = default;
  explicit ScopedWindowDc(HWND window) : ScopedPair(window, GetDC(window)) {}
  HDC get() const { return second_; }
  explicit operator bool() const { return second_ != nullptr; }
};

// Selects an object into a DC and selects the previous one back on release.
class ScopedSelect : public ScopedPair<HDC, HGDIOBJ, SelectBack> {
 public:
  ScopedSelect() = default;
  ScopedSelect(HDC dc, HGDIOBJ object) : ScopedPair(dc, SelectObject(dc, object)) {}
};
