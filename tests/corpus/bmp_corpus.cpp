// BMP files of the kinds other programs write, good and malformed, built in memory.
#include "tests/corpus/bmp_corpus.h"

#include <algorithm>
#include <functional>

#include "common/little_endian.h"

namespace {

const uint32_t kColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};  // 0x00RRGGBB

int PatternIndex(int x, int y, int levels) { return (x + y * (y + 1) / 2) % levels; }

struct Spec {
  uint32_t headerSize = 40;
  int width = 13, height = 7, bits = 24;
  uint32_t compression = 0, colorsUsed = 0;
  uint32_t gap = 0;  // bytes between the colour table and the pixels, and after the pixels
  bool topDown = false, rowsTopFirst = false, embeddedProfile = false;
};

using Bytes = std::vector<uint8_t>;

// A 2-, 3- or 4-byte little-endian field stored at `at` or appended.
void Put(Bytes& b, size_t at, uint32_t v, int bytes = 4) {
  if (bytes == 2) return PutU16(&b[at], static_cast<uint16_t>(v));
  uint8_t four[4];
  PutU32(four, v);
  std::copy(four, four + bytes, b.begin() + at);
}
void Append(Bytes& b, uint32_t v, int bytes) {
  b.resize(b.size() + bytes);
  Put(b, b.size() - bytes, v, bytes);
}
size_t PixelOffset(const Bytes& f) { return GetU32(&f[10]); }

int Levels(int bits) { return bits == 1 ? 2 : 4; }

// Pixel rows, or for RLE compression a stream of encoded runs, stored bottom row first
// unless top-down; `rowsTopFirst` stores the picture upside down, the way snapshots are.
Bytes Pixels(const Spec& s) {
  Bytes out;
  const bool rle = s.compression == 1 || s.compression == 2;
  for (int stored = 0; stored < s.height; ++stored) {
    const int row = s.topDown ? stored : s.height - 1 - stored;
    const int y = s.rowsTopFirst ? s.height - 1 - row : row;
    uint32_t acc = 0;
    int accBits = 0;
    for (int x = 0; x < s.width; ++x) {
      const int index = PatternIndex(x, y, Levels(s.bits));
      const uint32_t c = kColours[index], r = c >> 16, g = c >> 8 & 0xFF, b = c & 0xFF;
      if (rle) {
        int n = 1;
        while (x + n < s.width && PatternIndex(x + n, y, 4) == index) ++n;
        out.insert(out.end(), {static_cast<uint8_t>(n), static_cast<uint8_t>(s.bits == 4 ? index * 0x11 : index)});
        x += n - 1;
      } else if (s.bits <= 8) {
        acc = acc << s.bits | static_cast<uint32_t>(index);
        if ((accBits += s.bits) == 8) out.push_back(static_cast<uint8_t>(acc)), acc = 0, accBits = 0;
      } else if (s.bits == 16) {
        Append(out,
               s.compression == 3 ? (r >> 3) << 11 | (g >> 2) << 5 | b >> 3 : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3,
               2);
      } else {
        Append(out, c, s.bits / 8);
      }
    }
    if (rle) {
      out.insert(out.end(), {0, static_cast<uint8_t>(stored == s.height - 1)});
      continue;
    }
    if (accBits) out.push_back(static_cast<uint8_t>(acc << (8 - accBits)));
    while (out.size() % 4) out.push_back(0);
  }
  return out;
}

Bytes Build(const Spec& s) {
  Bytes f(14 + s.headerSize, 0);
  f[0] = 'B', f[1] = 'M';
  Put(f, 14, s.headerSize);
  if (s.headerSize == 12) {
    Put(f, 18, s.width, 2), Put(f, 20, s.height, 2), Put(f, 22, 1, 2), Put(f, 24, s.bits, 2);
  } else {
    Put(f, 18, s.width), Put(f, 22, s.topDown ? -s.height : s.height), Put(f, 26, 1, 2), Put(f, 28, s.bits, 2);
    Put(f, 30, s.compression), Put(f, 46, s.colorsUsed);
  }
  if (s.compression == 3) {
    const uint32_t masks[2][3] = {{0xF800, 0x07E0, 0x001F}, {0xFF0000, 0xFF00, 0xFF}};
    for (int i = 0; i < 3; ++i) {
      if (s.headerSize == 40) Append(f, masks[s.bits == 32][i], 4);
      if (s.headerSize > 40) Put(f, 54 + 4 * i, masks[s.bits == 32][i]);
    }
  }
  if (s.headerSize >= 108) Put(f, 70, s.embeddedProfile ? 0x4D424544 : 0x73524742);
  const uint32_t entries = s.bits > 8 ? 0 : s.colorsUsed ? s.colorsUsed : 1u << s.bits;
  for (uint32_t i = 0; i < entries; ++i) Append(f, i < 4 ? kColours[i] : 0, s.headerSize == 12 ? 3 : 4);
  f.resize(f.size() + s.gap, 0xEE);
  Put(f, 10, static_cast<uint32_t>(f.size()));
  const Bytes pixels = Pixels(s);
  if (s.compression == 1 || s.compression == 2) Put(f, 34, static_cast<uint32_t>(pixels.size()));
  f.insert(f.end(), pixels.begin(), pixels.end());
  if (s.embeddedProfile) {
    Put(f, 14 + 112, static_cast<uint32_t>(f.size() - 14)), Put(f, 14 + 116, 16);
    f.resize(f.size() + 16, 0x55);
  }
  f.resize(f.size() + s.gap, 0);
  Put(f, 2, static_cast<uint32_t>(f.size()));
  return f;
}

// Sets bfSize to the real size after a change of length.
void FixSize(Bytes& f) { Put(f, 2, static_cast<uint32_t>(f.size())); }

}  // namespace

std::vector<CorpusFile> BmpCorpus() {
  std::vector<CorpusFile> corpus;
  auto with = [](std::function<void(Spec&)> change) {
    Spec s;
    change(s);
    return s;
  };
  auto good = [&](
                  const std::string& name, const Spec& s, std::function<void(Bytes&)> change = [](Bytes&) {}) {
    Bytes f = Build(s);
    change(f);
    corpus.push_back(
        CorpusFile{name, f, CorpusExpect::kPaints, BmpFault::kNone, s.width, s.height, Levels(s.bits), s.rowsTopFirst});
  };
  good("1bpp-33-wide", with([](Spec& s) { s.bits = 1, s.width = 33, s.height = 5; }));
  good("4bpp", with([](Spec& s) { s.bits = 4; }));
  good("8bpp-top-down", with([](Spec& s) { s.bits = 8, s.topDown = true; }));
  good("16bpp-555", with([](Spec& s) { s.bits = 16; }));
  good("16bpp-565-bitfields", with([](Spec& s) { s.bits = 16, s.compression = 3; }));
  good("24bpp-snapshot-rows", with([](Spec& s) { s.rowsTopFirst = true; }));
  good("32bpp-bitfields", with([](Spec& s) { s.bits = 32, s.compression = 3; }));
  good("rle8", with([](Spec& s) { s.bits = 8, s.compression = 1; }));
  good("rle4", with([](Spec& s) { s.bits = 4, s.compression = 2; }));
  good("core-8bpp", with([](Spec& s) { s.headerSize = 12, s.bits = 8; }));
  good("v4-16bpp-bitfields", with([](Spec& s) { s.headerSize = 108, s.bits = 16, s.compression = 3; }));
  good("v5-embedded-profile", with([](Spec& s) { s.headerSize = 124, s.embeddedProfile = true; }));
  good("24bpp-1x1", with([](Spec& s) { s.width = 1, s.height = 1; }));
  good("8bpp-256-colours", with([](Spec& s) { s.bits = 8, s.colorsUsed = 256; }));
  good("4-colours-gaps-trailing-bytes", with([](Spec& s) { s.bits = 8, s.gap = 37, s.colorsUsed = 4; }));

  const Spec plain, eight = with([](Spec&s) { s.bits = 8; }),
                    rle8 = with([](Spec&s) { s.bits = 8, s.compression = 1; });
  // Each pixel of the bottom row differs from the next: its first three (1, index) runs
  // become one padded absolute run of the same six bytes.
  good("rle8-odd-absolute-run", rle8, [](Bytes& f) {
    const size_t at = PixelOffset(f);
    const uint8_t run[6] = {0, 3, f[at + 1], f[at + 3], f[at + 5], 0};
    std::copy(run, run + 6, f.begin() + at);
  });
  // Whatever follows the end of the bitmap is never read, not even an absolute run cut short.
  good("rle8-bytes-after-the-end", rle8, [](Bytes& f) {
    f.insert(f.end(), {0, 200});
    Put(f, 34, static_cast<uint32_t>(f.size() - PixelOffset(f))), FixSize(f);
  });
  auto bad = [&](const std::string& name, const Spec& s, BmpFault fault, std::function<void(Bytes&)> change) {
    Bytes f = Build(s);
    change(f);
    corpus.push_back(CorpusFile{name, f, CorpusExpect::kRefused, fault});
  };
  using F = BmpFault;
  bad("empty", plain, F::kTooShort, [](Bytes& f) { f.clear(); });
  bad("17-bytes", plain, F::kTooShort, [](Bytes& f) { f.resize(17), FixSize(f); });
  bad("signature-BA", plain, F::kSignature, [](Bytes& f) { f[1] = 'A'; });
  bad("bfsize-plus-1", plain, F::kFileSize, [](Bytes& f) { Put(f, 2, static_cast<uint32_t>(f.size() + 1)); });
  bad("cut-short-bfsize-kept", plain, F::kFileSize, [](Bytes& f) { f.pop_back(); });
  bad("header-then-nothing", plain, F::kPixelData, [](Bytes& f) { f.resize(54), FixSize(f); });
  bad("cut-in-info-header", plain, F::kHeaderSize, [](Bytes& f) { f.resize(44), FixSize(f); });
  bad("cut-after-header-size", plain, F::kHeaderSize, [](Bytes& f) { f.resize(18), FixSize(f); });
  bad("cut-in-palette", eight, F::kColourTable, [](Bytes& f) { f.resize(54 + 100), FixSize(f); });
  bad("core-cut-in-palette", with([](Spec& s) { s.headerSize = 12, s.bits = 8; }), F::kColourTable,
      [](Bytes& f) { f.resize(26 + 100), FixSize(f); });
  bad("huge-colour-count-24bpp", plain, F::kColourTable, [](Bytes& f) { Put(f, 46, 0x40000000); });
  bad("masks-then-no-pixels", with([](Spec& s) { s.bits = 16, s.compression = 3; }), F::kPixelData,
      [](Bytes& f) { f.resize(14 + 40 + 12), FixSize(f); });
  bad("masks-past-end", with([](Spec& s) { s.bits = 16, s.width = 2, s.height = 1; }), F::kColourTable,
      [](Bytes& f) { Put(f, 30, 3); });
  bad("profile-past-end", with([](Spec& s) { s.headerSize = 124, s.embeddedProfile = true; }), F::kColourTable,
      [](Bytes& f) { Put(f, 14 + 112, static_cast<uint32_t>(f.size() - 14)); });
  bad("cut-in-pixels", plain, F::kPixelData, [](Bytes& f) { f.resize(f.size() - 5), FixSize(f); });
  bad("1bpp-33-wide-cut-by-one", with([](Spec& s) { s.bits = 1, s.width = 33, s.height = 5; }), F::kPixelData,
      [](Bytes& f) { f.pop_back(), FixSize(f); });
  bad("16000-squared-no-data", plain, F::kPixelData, [](Bytes& f) { Put(f, 18, 16000), Put(f, 22, 16000); });
  bad("30000-squared-no-data", plain, F::kPixelData, [](Bytes& f) { Put(f, 18, 30000), Put(f, 22, 30000); });
  bad("height-int-min", plain, F::kPixelData, [](Bytes& f) { Put(f, 22, 0x80000000u); });
  bad("rle8-size-image-past-end", rle8, F::kPixelData, [](Bytes& f) { Put(f, 34, static_cast<uint32_t>(f.size())); });
  // The first row's absolute run claims 200 pixels: its data run past the stream.
  bad("rle8-absolute-cut-short", rle8, F::kPixelData, [](Bytes& f) { Put(f, PixelOffset(f), 200 << 8, 2); });
  // The end-of-bitmap mark becomes an absolute run of 3 with none of its 4 bytes left.
  bad("rle8-absolute-run-cut-at-the-end", rle8, F::kPixelData, [](Bytes& f) { f.back() = 3; });
  // A stream without an end-of-bitmap mark must end on an instruction, not in the middle of one.
  bad("rle8-no-end-mark-one-stray-byte", rle8, F::kPixelData, [](Bytes& f) {
    f.back() = 0, f.push_back(1);
    Put(f, 34, static_cast<uint32_t>(f.size() - PixelOffset(f))), FixSize(f);
  });
  bad("jpeg-size-image-past-end", plain, F::kPixelData,
      [](Bytes& f) { Put(f, 28, 0, 2), Put(f, 30, 4), Put(f, 34, 1000); });

  // Lying wholly inside the file, but not for the conversion: background only.
  auto unconvertible = [&](const std::string& name, const Spec& s, BmpFault fault, std::function<void(Bytes&)> change) {
    Bytes f = Build(s);
    change(f);
    corpus.push_back(CorpusFile{name, f, CorpusExpect::kNotConvertible, fault});
  };
  unconvertible("jpeg", plain, F::kCompressedImage, [](Bytes& f) { Put(f, 28, 0, 2), Put(f, 30, 4), Put(f, 34, 200); });
  unconvertible("png", plain, F::kCompressedImage, [](Bytes& f) { Put(f, 28, 0, 2), Put(f, 30, 5), Put(f, 34, 200); });
  unconvertible("header-64", with([](Spec& s) { s.headerSize = 64; }), F::kUnknownHeader, [](Bytes&) {});
  unconvertible("header-size-0", plain, F::kUnknownHeader, [](Bytes& f) { Put(f, 14, 0); });
  unconvertible("257-colours", with([](Spec& s) { s.bits = 8, s.colorsUsed = 257; }), F::kColourCount, [](Bytes&) {});
  unconvertible("width-0", plain, F::kDimensions, [](Bytes& f) { Put(f, 18, 0); });
  unconvertible("width-0-no-pixel-data", plain, F::kDimensions,
                [](Bytes& f) { Put(f, 18, 0), f.resize(54), FixSize(f); });
  unconvertible("width-negative", plain, F::kDimensions, [](Bytes& f) { Put(f, 18, static_cast<uint32_t>(-13)); });
  unconvertible("height-0", plain, F::kDimensions, [](Bytes& f) { Put(f, 22, 0); });
  unconvertible("rle8-100000-squared", rle8, F::kDimensions, [](Bytes& f) { Put(f, 18, 100000), Put(f, 22, 100000); });
  unconvertible("rle8-8193-by-8192", rle8, F::kDimensions, [](Bytes& f) { Put(f, 18, 8193), Put(f, 22, 8192); });
  unconvertible("bits-2", plain, F::kFormat, [](Bytes& f) { Put(f, 28, 2, 2); });
  unconvertible("bitfields-24bpp", plain, F::kFormat, [](Bytes& f) { Put(f, 30, 3); });
  unconvertible("core-16bpp", with([](Spec& s) { s.headerSize = 12, s.bits = 16; }), F::kFormat, [](Bytes&) {});
  unconvertible("rle8-top-down", rle8, F::kFormat, [](Bytes& f) { Put(f, 22, static_cast<uint32_t>(-7)); });
  return corpus;
}

uint32_t PaintedColour(const CorpusFile& file, int x, int y) {
  return kColours[PatternIndex(x, file.rowsTopFirst ? y : file.height - 1 - y, file.levels)];
}
