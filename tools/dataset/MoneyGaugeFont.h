#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowMessages.h"

// The money gauge's bitmap font "fonts\moneygge.def" and its glyph picture
// "fonts\moneygge.bmp": the codes 32 to 126 drawn unsmoothed with the text service, in a
// bright green on a black background, short enough for the gauge's 14-row money box.
struct GlyphSheet {
  int32_t width = 0;
  int32_t height = 0;
  // Rows top-down, width bytes each, palette indices of the data set's palette.
  std::vector<uint8_t> pixels;
  // One cell per code from kMoneyFontFirstCode on.
  std::vector<platform::Rect> cells;
  int32_t lineHeight = 0;
};

inline constexpr int32_t kMoneyFontFirstCode = 32;
inline constexpr int32_t kMoneyFontLastCode = 126;
inline constexpr uint8_t kMoneyFontBackground = 0;
inline constexpr uint8_t kMoneyFontInk = 156;
inline constexpr const char* kMoneyFontImageName = "moneygge.bmp";

// Empty (no cells) when the text service has no font.
GlyphSheet DrawMoneyGaugeGlyphs();
// The description file's text for the sheet.
std::string MoneyGaugeDescription(const GlyphSheet& sheet);

bool WriteMoneyGaugeImageStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error);
bool WriteMoneyGaugeDescriptionStep(const std::string& sourceFolder, const std::string& outputPath,
                                    std::string& error);
