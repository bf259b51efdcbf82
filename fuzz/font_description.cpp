// The bitmap font's description reader: the description is parsed, its glyph picture
// loaded, the ink boxes found, and text measured, broken and drawn in every form.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/BitmapFont.h"
#include "Drovane/DirectDrawObject.h"
#include "FuzzFolder.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/GamePalette.h"

namespace {

// A 16 x 8 glyph picture beside the description: background 0, a few inked pixels.
void WriteGlyphPicture() {
  std::vector<uint8_t> pixels(16 * 8, 0);
  for (int32_t i = 0; i < 16 * 8; i += 5) pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(i % 250 + 1);
  pixels[0] = 0;
  const GamePaletteColours& palette = GamePalette();
  const std::vector<uint8_t> bmp = WriteBmp(16, 8, pixels, std::vector<platform::Rgb>(palette.begin(), palette.end()));
  WriteFuzzFile("fonts\\glyphs.bmp", bmp.data(), bmp.size());
}

void Exercise(BitmapFont& font, CBackBuffer& dest) {
  const char text[] = "AB C-D\nE  \x80\xff" "ab-cd ef";
  const int32_t length = static_cast<int32_t>(sizeof text - 1);
  int32_t count = 0;
  font.MeasureText(text, length, count);
  font.MeasureRun(text, length);
  font.CountLines(text, length, 10);
  font.FindWrapWidth(text, length, 30);
  font.DrawRun(&dest, -3, 2, text, length);
  font.DrawRunUnclipped(&dest, 1, 1, text, length);
  for (uint32_t flags : {0u, kTextCenter, kTextRight}) {
    font.DrawTextInRect(&dest, {-5, 3, 40, 20}, text, length, flags);
    font.DrawTextInRectUnclipped(&dest, {0, 0, 64, 32}, text, length, flags);
    font.DrawWrappedInRect(&dest, {-2, -4, 30, 40}, text, length, flags);
    font.DrawWrappedInRectUnclipped(&dest, {0, 0, 64, 32}, text, length, flags);
  }
  font.DrawWrapped(&dest, {3, 3, 20, 50}, text, length);
  font.DrawWrappedUnclipped(&dest, {0, 0, 64, 32}, text, length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    if (DDEnable() != 0) return false;
    WriteGlyphPicture();
    return true;
  }();
  if (!ready) std::abort();
  const std::string path = WriteFuzzFile("fonts\\font.def", data, size);
  {
    BitmapFont font(path, 1);
    font.Load();
    CBackBuffer dest(64, 32);
    Exercise(font, dest);
  }
  if (gSurfaceMemory != 0 || gLockCount != 0) {
    std::fprintf(stderr, "surface memory %d and locks %d left\n", gSurfaceMemory, gLockCount);
    std::abort();
  }
  return 0;
}
