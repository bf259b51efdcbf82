#include "dataset/MoneyGaugeFont.h"

#include <algorithm>
#include <memory>

#include "imagefiles/BmpWriter.h"
#include "imagefiles/GamePalette.h"
#include "platform/Process.h"
#include "platform/TextFont.h"
#include "platform/WholeFile.h"

namespace {

// The glyphs' line height: with the few that reach a row lower, they fit the money box's
// 14 rows.
constexpr int32_t kGlyphHeight = 13;
constexpr int32_t kGlyphsPerRow = 16;

std::unique_ptr<platform::TextFont> GlyphFont() {
  platform::FontRequest request;
  request.face = "DejaVu Sans";
  request.height = kGlyphHeight;
  request.bold = true;
  return platform::TextFont::Create(request);
}

void PutInk(GlyphSheet& sheet, const platform::Rect& cell, const platform::InkMask& mask) {
  const int32_t width = std::min(mask.width, cell.Width());
  const int32_t height = std::min(mask.height, cell.Height());
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      if (!mask.ink[static_cast<size_t>(y * mask.width + x)]) continue;
      sheet.pixels[static_cast<size_t>((cell.top + y) * sheet.width + cell.left + x)] = kMoneyFontInk;
    }
  }
}

bool SaveBytes(const std::string& outputPath, const void* data, size_t size, std::string& error) {
  if (platform::SaveWholeFile(platform::ToGamePath(outputPath), data, size, platform::kPermissionReadableByAll))
    return true;
  error = "cannot be written";
  return false;
}

}  // namespace

// Cells left to right in rows of kGlyphsPerRow, each as wide as its advance and as tall as
// the tallest glyph drawn; the sheet is as wide as the widest row.
GlyphSheet DrawMoneyGaugeGlyphs() {
  GlyphSheet sheet;
  std::unique_ptr<platform::TextFont> font = GlyphFont();
  if (!font) return sheet;
  std::vector<platform::InkMask> masks;
  sheet.lineHeight = font->CellHeight();
  for (int32_t code = kMoneyFontFirstCode; code <= kMoneyFontLastCode; ++code) {
    masks.push_back(font->Render(std::string(1, static_cast<char>(code))));
    sheet.lineHeight = std::max(sheet.lineHeight, masks.back().height);
  }
  int32_t x = 0, y = 0;
  for (int32_t code = kMoneyFontFirstCode; code <= kMoneyFontLastCode; ++code) {
    if ((code - kMoneyFontFirstCode) % kGlyphsPerRow == 0 && code != kMoneyFontFirstCode) {
      x = 0;
      y += sheet.lineHeight;
    }
    const int32_t advance = font->Measure(std::string(1, static_cast<char>(code)));
    sheet.cells.push_back({x, y, x + advance, y + sheet.lineHeight});
    sheet.width = std::max(sheet.width, x + advance);
    x += advance;
  }
  sheet.height = y + sheet.lineHeight;
  sheet.pixels.assign(static_cast<size_t>(sheet.width * sheet.height), kMoneyFontBackground);
  for (size_t i = 0; i < masks.size(); ++i) PutInk(sheet, sheet.cells[i], masks[i]);
  return sheet;
}

std::string MoneyGaugeDescription(const GlyphSheet& sheet) {
  std::string rects;
  for (const platform::Rect& cell : sheet.cells) {
    if (!rects.empty()) rects += ' ';
    rects += std::to_string(cell.left) + ',' + std::to_string(cell.top) + ',' + std::to_string(cell.right) + ',' +
             std::to_string(cell.bottom);
  }
  return "[Header]\r\nPitch=0\r\n[Detail 1]\r\nHeight=" + std::to_string(sheet.lineHeight) +
         "\r\nLanguage=1\r\nCharacterSet=0\r\nStartCharacter=" + std::to_string(kMoneyFontFirstCode) +
         "\r\nCharacterCount=" + std::to_string(sheet.cells.size()) + "\r\nRectChars=" + rects +
         "\r\nFontImageFileName=" + kMoneyFontImageName + "\r\n";
}

bool WriteMoneyGaugeImageStep(const std::string&, const std::string& outputPath, std::string& error) {
  const GlyphSheet sheet = DrawMoneyGaugeGlyphs();
  if (sheet.cells.empty()) return error = "the text service has no font", false;
  const GamePaletteColours& palette = GamePalette();
  const std::vector<uint8_t> file =
      WriteBmp(sheet.width, sheet.height, sheet.pixels, std::vector<platform::Rgb>(palette.begin(), palette.end()));
  return SaveBytes(outputPath, file.data(), file.size(), error);
}

bool WriteMoneyGaugeDescriptionStep(const std::string&, const std::string& outputPath, std::string& error) {
  const GlyphSheet sheet = DrawMoneyGaugeGlyphs();
  if (sheet.cells.empty()) return error = "the text service has no font", false;
  const std::string text = MoneyGaugeDescription(sheet);
  return SaveBytes(outputPath, text.data(), text.size(), error);
}
