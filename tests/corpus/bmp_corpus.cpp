// BMP files of the kinds other programs write, good and malformed, built in memory.
#include "tests/corpus/bmp_corpus.h"

#include <functional>

namespace {

const uint32_t kColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};  // 0x00RRGGBB

int PatternIndex(int x, int y, int levels) { return (x + y * (y + 1) / 2) % levels; }

struct Spec {
  uint32_t headerSize = 40;
  int width = 13;
  int height = 7;
  int bits = 24;
  uint32_t compression = 0;
  bool topDown = false;
  bool rowsTopFirst = false;
  uint32_t colorsUsed = 0;
  bool absoluteRuns = false;
  uint32_t gap = 0;       // bytes between the colour table and the pixels
  uint32_t trailing = 0;  // bytes after everything
  bool embeddedProfile = false;
};

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}
void Append32(Bytes& b, uint32_t v) {
  b.resize(b.size() + 4);
  Put32(b, b.size() - 4, v);
}

int Levels(int bits) { return bits == 1 ? 2 : 4; }

// The logical row stored as the file's i-th row.
int LogicalRow(const Spec& s, int stored) {
  const int imageRow = s.topDown ? stored : s.height - 1 - stored;
  return s.rowsTopFirst ? s.height - 1 - imageRow : imageRow;
}

Bytes PixelRow(const Spec& s, int y) {
  Bytes row;
  uint32_t acc = 0;
  int accBits = 0;
  for (int x = 0; x < s.width; ++x) {
    const int index = PatternIndex(x, y, Levels(s.bits));
    const uint32_t c = kColours[index];
    const uint32_t r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
    if (s.bits <= 8) {
      acc = acc << s.bits | static_cast<uint32_t>(index);
      accBits += s.bits;
      if (accBits == 8) {
        row.push_back(static_cast<uint8_t>(acc));
        acc = 0;
        accBits = 0;
      }
    } else if (s.bits == 16) {
      const uint32_t v = s.compression == 3 ? (r >> 3) << 11 | (g >> 2) << 5 | b >> 3 : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
      row.push_back(static_cast<uint8_t>(v));
      row.push_back(static_cast<uint8_t>(v >> 8));
    } else {
      row.push_back(static_cast<uint8_t>(b));
      row.push_back(static_cast<uint8_t>(g));
      row.push_back(static_cast<uint8_t>(r));
      if (s.bits == 32) row.push_back(0);
    }
  }
  if (accBits) row.push_back(static_cast<uint8_t>(acc << (8 - accBits)));
  while (row.size() % 4) row.push_back(0);
  return row;
}

Bytes RleStream(const Spec& s) {
  const bool four = s.bits == 4;
  Bytes out;
  for (int stored = 0; stored < s.height; ++stored) {
    const int y = LogicalRow(s, stored);
    Bytes idx;
    for (int x = 0; x < s.width; ++x) idx.push_back(static_cast<uint8_t>(PatternIndex(x, y, 4)));
    if (s.absoluteRuns) {  // 8-bit indices, padded to a whole word
      out.push_back(0);
      out.push_back(static_cast<uint8_t>(s.width));
      out.insert(out.end(), idx.begin(), idx.end());
      if (s.width % 2) out.push_back(0);
    } else {
      for (int x = 0; x < s.width;) {
        int n = 1;
        while (x + n < s.width && idx[x + n] == idx[x] && n < 255) ++n;
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(four ? idx[x] << 4 | idx[x] : idx[x]));
        x += n;
      }
    }
    out.push_back(0);
    out.push_back(stored == s.height - 1 ? 1 : 0);
  }
  return out;
}

Bytes Build(const Spec& s) {
  Bytes f(14 + s.headerSize, 0);
  f[0] = 'B';
  f[1] = 'M';
  const size_t h = 14;
  Put32(f, h, s.headerSize);
  const bool rle = s.compression == 1 || s.compression == 2;
  if (s.headerSize == 12) {
    Put16(f, h + 4, static_cast<uint32_t>(s.width));
    Put16(f, h + 6, static_cast<uint32_t>(s.height));
    Put16(f, h + 8, 1);
    Put16(f, h + 10, static_cast<uint32_t>(s.bits));
  } else {
    Put32(f, h + 4, static_cast<uint32_t>(s.width));
    Put32(f, h + 8, static_cast<uint32_t>(s.topDown ? -s.height : s.height));
    Put16(f, h + 12, 1);
    Put16(f, h + 14, static_cast<uint32_t>(s.bits));
    Put32(f, h + 16, s.compression);
    Put32(f, h + 32, s.colorsUsed);
  }
  uint32_t masks[4] = {0, 0, 0, 0};
  if (s.compression == 3) {
    if (s.bits == 16) {
      masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
    } else {
      masks[0] = 0x00FF0000, masks[1] = 0x0000FF00, masks[2] = 0x000000FF, masks[3] = 0xFF000000;
    }
    if (s.headerSize == 40) {
      for (int i = 0; i < 3; ++i) Append32(f, masks[i]);
    } else {
      for (int i = 0; i < 3; ++i) Put32(f, h + 40 + 4 * i, masks[i]);
      if (s.headerSize >= 56) Put32(f, h + 52, masks[3]);
    }
  }
  if (s.headerSize >= 108) Put32(f, h + 56, s.embeddedProfile ? 0x4D424544 : 0x73524742);
  if (s.bits <= 8) {
    const uint32_t entries = s.colorsUsed ? s.colorsUsed : 1u << s.bits;
    for (uint32_t i = 0; i < entries; ++i) {
      const uint32_t c = i < 4 ? kColours[i] : 0;
      f.push_back(static_cast<uint8_t>(c));
      f.push_back(static_cast<uint8_t>(c >> 8));
      f.push_back(static_cast<uint8_t>(c >> 16));
      if (s.headerSize != 12) f.push_back(0);
    }
  }
  f.resize(f.size() + s.gap, 0xEE);
  Put32(f, 10, static_cast<uint32_t>(f.size()));
  if (rle) {
    const Bytes stream = RleStream(s);
    Put32(f, h + 20, static_cast<uint32_t>(stream.size()));
    f.insert(f.end(), stream.begin(), stream.end());
  } else {
    for (int stored = 0; stored < s.height; ++stored) {
      const Bytes row = PixelRow(s, LogicalRow(s, stored));
      f.insert(f.end(), row.begin(), row.end());
    }
  }
  if (s.embeddedProfile) {
    Put32(f, h + 112, static_cast<uint32_t>(f.size() - h));
    Put32(f, h + 116, 16);
    f.resize(f.size() + 16, 0x55);
  }
  f.resize(f.size() + s.trailing, 0);
  Put32(f, 2, static_cast<uint32_t>(f.size()));
  return f;
}

// Sets bfSize to the real size after a change of length.
void FixSize(Bytes& f) { Put32(f, 2, static_cast<uint32_t>(f.size())); }

}  // namespace

std::vector<CorpusFile> BmpCorpus() {
  std::vector<CorpusFile> corpus;
  auto add = [&](const std::string& name, Bytes bytes, CorpusExpect expect, BmpFault fault = BmpFault::kNone) {
    corpus.push_back(CorpusFile{name, std::move(bytes), expect, fault});
  };
  auto good = [&](const std::string& name, const Spec& s) {
    add(name, Build(s), CorpusExpect::kPaints);
    corpus.back().width = s.width;
    corpus.back().height = s.height;
    corpus.back().levels = Levels(s.bits);
    corpus.back().rowsTopFirst = s.rowsTopFirst;
  };
  auto with = [](std::function<void(Spec&)> change) {
    Spec s;
    change(s);
    return s;
  };
  good("1bpp-33-wide", with([](Spec& s) { s.bits = 1, s.width = 33, s.height = 5; }));
  good("4bpp", with([](Spec& s) { s.bits = 4; }));
  good("8bpp-top-down", with([](Spec& s) { s.bits = 8, s.topDown = true; }));
  good("16bpp-555", with([](Spec& s) { s.bits = 16; }));
  good("16bpp-565-bitfields", with([](Spec& s) { s.bits = 16, s.compression = 3; }));
  good("24bpp", with([](Spec&) {}));
  good("24bpp-1x1", with([](Spec& s) { s.width = 1, s.height = 1; }));
  good("24bpp-snapshot-rows", with([](Spec& s) { s.rowsTopFirst = true; }));
  good("32bpp-bitfields", with([](Spec& s) { s.bits = 32, s.compression = 3; }));
  good("rle8-absolute", with([](Spec& s) { s.bits = 8, s.compression = 1, s.absoluteRuns = true; }));
  good("rle4", with([](Spec& s) { s.bits = 4, s.compression = 2; }));
  good("core-8bpp", with([](Spec& s) { s.headerSize = 12, s.bits = 8; }));
  good("v4-16bpp-bitfields", with([](Spec& s) { s.headerSize = 108, s.bits = 16, s.compression = 3; }));
  good("v5-embedded-profile", with([](Spec& s) { s.headerSize = 124, s.embeddedProfile = true; }));
  good("gap-and-4-colours", with([](Spec& s) { s.bits = 8, s.gap = 37, s.colorsUsed = 4; }));
  good("trailing-bytes", with([](Spec& s) { s.trailing = 9; }));

  auto bad = [&](const std::string& name, Bytes bytes, BmpFault fault) {
    add(name, std::move(bytes), CorpusExpect::kRefused, fault);
  };
  auto patched = [](const Spec& s, std::function<void(Bytes&)> change) {
    Bytes f = Build(s);
    change(f);
    return f;
  };
  const Spec plain;
  const Spec eight = with([](Spec& s) { s.bits = 8; });
  const Spec rle8 = with([](Spec& s) { s.bits = 8, s.compression = 1, s.absoluteRuns = true; });
  bad("empty", {}, BmpFault::kTooShort);
  bad("signature-BA", patched(plain, [](Bytes& f) { f[1] = 'A'; }), BmpFault::kSignature);
  bad("bfsize-plus-1", patched(plain, [](Bytes& f) { Put32(f, 2, static_cast<uint32_t>(f.size() + 1)); }),
      BmpFault::kFileSize);
  bad("cut-short-bfsize-kept", patched(plain, [](Bytes& f) { f.pop_back(); }), BmpFault::kFileSize);
  bad("cut-in-header", patched(plain, [](Bytes& f) { f.resize(30), FixSize(f); }), BmpFault::kHeaderSize);
  bad("cut-in-palette", patched(eight, [](Bytes& f) { f.resize(54 + 100), FixSize(f); }), BmpFault::kColourTable);
  bad("cut-in-pixels", patched(plain, [](Bytes& f) { f.resize(f.size() - 5), FixSize(f); }), BmpFault::kPixelData);
  bad("offbits-huge", patched(plain, [](Bytes& f) { Put32(f, 10, 0xFFFFFFF0u); }), BmpFault::kPixelData);
  bad("300-colours-8bpp", patched(eight, [](Bytes& f) { Put32(f, 46, 300); }), BmpFault::kColourTable);
  bad("huge-colour-count-24bpp", patched(plain, [](Bytes& f) { Put32(f, 46, 0x40000000); }), BmpFault::kColourTable);
  bad("masks-past-end", patched(with([](Spec& s) { s.bits = 16, s.width = 2, s.height = 1; }),
                                [](Bytes& f) { Put32(f, 30, 3); }),
      BmpFault::kColourTable);
  bad("profile-past-end", patched(with([](Spec& s) { s.headerSize = 124, s.embeddedProfile = true; }),
                                  [](Bytes& f) { Put32(f, 14 + 116, 0x7FFFFFFF); }),
      BmpFault::kColourTable);
  bad("width-negative", patched(plain, [](Bytes& f) { Put32(f, 18, 0xFFFFFFF3u); }), BmpFault::kDimensions);
  bad("height-int-min", patched(plain, [](Bytes& f) { Put32(f, 22, 0x80000000u); }), BmpFault::kDimensions);
  bad("30000-squared", patched(plain, [](Bytes& f) { Put32(f, 18, 30000), Put32(f, 22, 30000); }),
      BmpFault::kDimensions);
  bad("rle8-100000-squared", patched(rle8, [](Bytes& f) { Put32(f, 18, 100000), Put32(f, 22, 100000); }),
      BmpFault::kDimensions);
  bad("16000-squared-no-data", patched(plain, [](Bytes& f) { Put32(f, 18, 16000), Put32(f, 22, 16000); }),
      BmpFault::kPixelData);
  bad("v5-header-past-end", patched(with([](Spec& s) { s.width = 1, s.height = 1; }),
                                    [](Bytes& f) { Put32(f, 14, 124); }),
      BmpFault::kHeaderSize);
  bad("bits-2", patched(plain, [](Bytes& f) { Put16(f, 28, 2); }), BmpFault::kFormat);
  bad("jpeg-compression", patched(plain, [](Bytes& f) { Put32(f, 30, 4); }), BmpFault::kFormat);
  bad("bitfields-24bpp", patched(plain, [](Bytes& f) { Put32(f, 30, 3); }), BmpFault::kFormat);
  bad("rle8-top-down", patched(rle8, [](Bytes& f) { Put32(f, 22, static_cast<uint32_t>(-7)); }), BmpFault::kFormat);
  bad("rle8-size-image-past-end", patched(rle8, [](Bytes& f) { Put32(f, 34, static_cast<uint32_t>(f.size())); }),
      BmpFault::kPixelData);
  // The first row's absolute run claims 200 pixels: its data run past the stream.
  bad("rle8-absolute-cut-short", patched(rle8, [](Bytes& f) { f[(f[10] | f[11] << 8) + 1] = 200; }),
      BmpFault::kPixelData);

  // Streams that are whole but draw outside the picture: the conversion clips them.
  // Streams that are whole but draw outside the picture: the conversion clips them.
  auto rle8Stream = [&](const std::string& name, const Bytes& stream) {
    Bytes f = Build(rle8);
    f.resize(f[10] | f[11] << 8);
    f.insert(f.end(), stream.begin(), stream.end());
    Put32(f, 34, static_cast<uint32_t>(stream.size()));
    FixSize(f);
    add(name, f, CorpusExpect::kSafe);
    corpus.back().width = rle8.width;
    corpus.back().height = rle8.height;
  };
  Bytes longRuns;
  for (int row = 0; row < 12; ++row) longRuns.insert(longRuns.end(), {250, 1, 0, 0});
  longRuns.insert(longRuns.end(), {0, 1});
  rle8Stream("rle8-runs-past-picture", longRuns);
  rle8Stream("rle8-delta-past-picture", {3, 2, 0, 2, 200, 200, 5, 3, 0, 1});
  add("rle8-20000-squared", patched(rle8, [](Bytes& f) { Put32(f, 18, 20000), Put32(f, 22, 20000); }),
      CorpusExpect::kTooLargeToConvert);
  return corpus;
}

uint32_t PaintedColour(const CorpusFile& file, int x, int y) {
  return kColours[PatternIndex(x, file.rowsTopFirst ? y : file.height - 1 - y, file.levels)];
}
