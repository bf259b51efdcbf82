#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DisplayFixture.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/GamePalette.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"

using platform::Rect;

namespace {

class GoldenImageTest : public DisplayFixture {};

// A 24 by 16 picture: the paint ramps side by side, each column a ramp from dark to light.
std::string WriteRampsPicture(const TempFolder& folder) {
  std::vector<uint8_t> pixels;
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 24; ++x) pixels.push_back(static_cast<uint8_t>(64 + 16 * (x / 2) + y));
  }
  const GamePaletteColours& palette = GamePalette();
  const std::string path = folder.Game("ramps.bmp");
  const std::vector<uint8_t> bytes = WriteBmp(24, 16, pixels, {palette.begin(), palette.end()});
  EXPECT_TRUE(platform::SaveWholeFile(path, bytes.data(), bytes.size()));
  return path;
}

// A 9 by 9 diamond of red on the transparent index 254.
void PaintSprite(CBackBuffer& sprite) {
  ASSERT_GT(sprite.Lock(), 0);
  for (int32_t y = 0; y < 9; ++y) {
    for (int32_t x = 0; x < 9; ++x) {
      const int32_t distance = std::abs(x - 4) + std::abs(y - 4);
      sprite.mpBits[y * sprite.mStride + x] = distance > 4 ? 254 : static_cast<uint8_t>(104 + 2 * distance);
    }
  }
  sprite.Unlock();
}

}  // namespace

TEST_F(GoldenImageTest, BitmapSpriteLinesAndFills) {
  TempFolder folder;
  CBackBuffer frame(64, 48);
  frame.FillRect(49, nullptr);
  const Rect ground{0, 36, 64, 48};
  frame.FillRect(150, &ground);

  CBackBuffer picture(WriteRampsPicture(folder).c_str());
  ASSERT_NE(picture.GetSurface(), nullptr);
  picture.Compose(&frame, 4, 4, 0, 0, 24, 16);
  picture.Compose(&frame, 52, 30, 0, 0, 24, 16);  // cut at the right and bottom edges

  CBackBuffer sprite(9, 9);
  PaintSprite(sprite);
  sprite.SetTransparentColor(true, 254);
  sprite.Compose(&frame, 34, 6, 0, 0, 9, 9);
  sprite.Compose(&frame, -3, 40, 0, 0, 9, 9);
  sprite.ComposeStretched(&frame, {44, 4, 62, 22}, {0, 0, 9, 9});

  frame.mColorIndex = 255;
  frame.DrawClippedRect({2, 2, 29, 21}, 1);
  frame.mColorIndex = 63;
  frame.DrawClippedLine(-8, 47, 40, 24, 2);
  frame.mColorIndex = 228;
  frame.DrawClippedLine(30, 26, 60, 45, 3);
  frame.mColorIndex = 249;
  frame.DrawClippedRect({56, -2, 70, 10}, 2);

  EXPECT_TRUE(MatchesGoldenImage(frame, GamePalette(), "back_buffer_drawing"));
}
