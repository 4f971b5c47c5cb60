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

// A window's DC from GetDC, released to that window.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and selects the previous one back on scope exit.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
