#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/RemapFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 24;
constexpr int32_t kHeight = 10;
constexpr int32_t kPitch = 32;

// The square from (4, 2) to (12, 8): 48 pixels.
std::vector<ScreenVertex> Square() {
  return {{Px(4), Px(2), 0, 0, 0}, {Px(12), Px(2), 0, 0, 0}, {Px(12), Px(8), 0, 0, 0}, {Px(4), Px(8), 0, 0, 0}};
}

bool Covered(int32_t x, int32_t y) { return x >= 4 && x < 12 && y >= 2 && y < 8; }

// A frame of every colour: pixel (x, y) holds (x + 24 y) & 0xFF before the remap.
uint8_t Before(int32_t x, int32_t y) { return static_cast<uint8_t>((x + kWidth * y) & 0xFF); }

class RemapFillTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) frame.Pixels()[y * kPitch + x] = Before(x, y);
    }
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  // A bitmap of the width and height whose pixel bytes start with the table.
  Bitmap& RemapBitmap(uint32_t key, uint32_t width = 16, uint32_t height = 16) {
    pixels.assign(static_cast<std::size_t>(width) * height, 0);
    bitmap = {width, height, key, pixels.data(), nullptr};
    return bitmap;
  }

  void Draw(std::vector<ScreenVertex> polygon, const Bitmap* texture) {
    DrawBlock block{static_cast<int32_t>(polygon.size()), polygon.data(), 0, texture, nullptr, nullptr};
    FillPolygonRemap(block);
  }

  // Every pixel against what the rule says it holds.
  template <class Rule>
  void ExpectEveryPixel(Rule rule) const {
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) ASSERT_EQ(frame.At(x, y), rule(x, y)) << x << "," << y;
    }
  }

  std::vector<uint8_t> pixels;
  Bitmap bitmap;
  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

TEST_F(RemapFillTest, IdentityTableChangesNothing) {
  Bitmap& identity = RemapBitmap(0);
  for (int c = 0; c < 256; ++c) pixels[static_cast<std::size_t>(c)] = static_cast<uint8_t>(c);
  Draw(Square(), &identity);
  ExpectEveryPixel(Before);
}

TEST_F(RemapFillTest, TableToZeroPaintsTheCoveredPixels) {
  Draw(Square(), &RemapBitmap(0));
  ExpectEveryPixel([](int32_t x, int32_t y) { return Covered(x, y) ? 0 : Before(x, y); });
}

TEST_F(RemapFillTest, DrawnTwiceAppliesTheTableTwice) {
  Bitmap& plusThree = RemapBitmap(0);
  for (int c = 0; c < 256; ++c) pixels[static_cast<std::size_t>(c)] = static_cast<uint8_t>(c + 3);
  Draw(Square(), &plusThree);
  Draw(Square(), &plusThree);
  ExpectEveryPixel([](int32_t x, int32_t y) { return static_cast<uint8_t>(Before(x, y) + (Covered(x, y) ? 6 : 0)); });
}

struct ReplaceCase {
  std::string name;
  uint32_t key;
  uint8_t colour;  // the frame colour the key picks
};

class ReplaceModeTest : public RemapFillTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceModeTest, ChangesOnlyTheKeyColour) {
  const ReplaceCase& c = GetParam();
  Bitmap& replace = RemapBitmap(c.key, 32, 32);
  const uint32_t key = c.key & 0xFFFF;
  pixels[c.colour] = 111;  // the table entry of the colour: the replacement only for keys up to 255
  pixels[key] = 222;
  Draw({{0, 0, 0, 0, 0}, {Px(24), 0, 0, 0, 0}, {Px(24), Px(10), 0, 0, 0}, {0, Px(10), 0, 0, 0}}, &replace);
  ExpectEveryPixel([&](int32_t x, int32_t y) { return Before(x, y) == c.colour ? 222 : Before(x, y); });
}

INSTANTIATE_TEST_SUITE_P(Keys, ReplaceModeTest,
                         ::testing::Values(ReplaceCase{"KeySeven", 7, 7},
                                           // A key past 255 compares its low byte and takes its own pixel byte.
                                           ReplaceCase{"KeyPastTheTable", 0x107, 7},
                                           ReplaceCase{"KeyInTheFlagsLowHalfOnly", 0xABCD0000u | 200, 200}),
                         CaseName<ReplaceCase>);

TEST_F(RemapFillTest, OneVertexChangesNothing) {
  Draw({{Px(5), Px(5), 0, 0, 0}}, &RemapBitmap(0));
  ExpectEveryPixel(Before);
}

TEST_F(RemapFillTest, RefusesBitmapsTooSmallForTheTableOrTheKey) {
  Draw(Square(), &RemapBitmap(0, 15, 17));  // 255 pixel bytes
  Draw(Square(), &RemapBitmap(256, 16, 16));  // the key's byte is past the pixels
  Draw(Square(), nullptr);
  const Bitmap noPixels{16, 16, 0, nullptr, nullptr};
  Draw(Square(), &noPixels);
  ExpectEveryPixel(Before);
  Draw(Square(), &RemapBitmap(255, 16, 16));  // the last pixel byte is the replacement
  EXPECT_EQ(frame.At(4, 2), Before(4, 2));
}

}  // namespace
