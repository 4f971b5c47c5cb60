// Draws the wizard's bitmaps from block strokes.
#include "tools/wizard_bitmaps/wizard_bitmaps.h"

#include <string>

const std::array<ColumnExtent, 21> kLetterColumns = {{
    {36, 101},    {124, 177},   {200, 263},   {294, 353},   {380, 435},   {472, 521},   {540, 607},
    {642, 699},   {748, 757},   {816, 857},   {902, 959},   {982, 1027},  {1054, 1125}, {1152, 1209},
    {1230, 1299}, {1322, 1377}, {1392, 1461}, {1494, 1559}, {1580, 1637}, {1658, 1715}, {1748, 1805},
}};

namespace {

constexpr uint8_t kBlack1 = 0, kWhite1 = 1;

// The standard 16-colour table.
const Palette kSixteenColours = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                 {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                 {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                 {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
constexpr uint8_t kBlack = 0, kDarkGrey = 8, kLightGrey = 7, kBlue = 12, kNavy = 4, kWhite = 15;

}  // namespace

Canvas LetterRowCanvas() {
  Canvas canvas(kLetterRowWidth, kLetterRowHeight, kWhite1);
  for (size_t i = 0; i < kLetterColumns.size(); ++i) {
    canvas.DrawGlyph(GlyphFor(static_cast<char>('A' + i)), kLetterColumns[i].first, kLetterTop, kLetterColumns[i].last,
                     kLetterBottom, 5, kBlack1);
  }
  canvas.Set(13, 107, kBlack1);
  canvas.Set(1821, 106, kBlack1);
  return canvas;
}

std::vector<uint8_t> LetterRowBmp() { return EncodeBmp(LetterRowCanvas(), 1, {{0, 0, 0}, {255, 255, 255}}); }

std::vector<uint8_t> BedPictureBmp(bool metric) {
  const int width = metric ? 407 : 396, height = 200;
  constexpr int kRuler = 24;            // thickness of both rulers
  constexpr int kMarkX = kRuler + 240;  // 4 inches at 60 pixels, 10 cm at 24 pixels
  const int unit = metric ? 24 : 60;
  const int step = metric ? 12 : 15;  // half centimetres, quarter inches

  Canvas canvas(width, height, kLightGrey);
  canvas.Fill(0, 0, width, kRuler, kBlack);
  canvas.Fill(0, 0, kRuler, height, kBlack);
  for (int x = kRuler; x < width; x += step) {
    const bool whole = (x - kRuler) % unit == 0;
    canvas.Fill(x, kRuler - (whole ? 8 : 4), x + 1, kRuler, kWhite);
  }
  for (int y = kRuler; y < height; y += step) {
    const bool whole = (y - kRuler) % unit == 0;
    canvas.Fill(kRuler - (whole ? 8 : 4), y, kRuler, y + 1, kWhite);
  }
  // The labelled mark: a full-height tick and its number.
  canvas.Fill(kMarkX, 0, kMarkX + 2, kRuler, kWhite);
  canvas.DrawText(metric ? "10" : "4", kMarkX + 5, 2, 9, 13, 3, 1, kWhite);

  // The sample, flush against the top ruler, its left edge at the mark.
  canvas.Fill(kMarkX, kRuler, kMarkX + 110, kRuler + 90, kNavy);
  canvas.Fill(kMarkX + 3, kRuler, kMarkX + 107, kRuler + 87, kBlue);
  // The bed's far edges.
  canvas.Fill(kRuler, height - 2, width, height, kDarkGrey);
  canvas.Fill(width - 2, kRuler, width, height, kDarkGrey);
  return EncodeBmp(canvas, 4, kSixteenColours);
}
