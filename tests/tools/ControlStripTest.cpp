#include <gtest/gtest.h>

#include "imagefiles/ControlStrip.h"

namespace {

constexpr StripColours kColours{10, 20, 30};

uint8_t At(const std::vector<uint8_t>& pixels, int32_t stripWidth, int32_t x, int32_t y) {
  return pixels.at(static_cast<size_t>(y * stripWidth + x));
}

TEST(ControlStripTest, BoxesAreBevelledAndSunkFramesSwapTheEdges) {
  const std::vector<uint8_t> strip =
      DrawControlStrip(8, 6, ControlShape::kBox, {{kColours}, {kColours, true}});
  ASSERT_EQ(strip.size(), 16u * 6);
  EXPECT_EQ(At(strip, 16, 0, 0), 20);  // raised: light top-left
  EXPECT_EQ(At(strip, 16, 7, 5), 30);
  EXPECT_EQ(At(strip, 16, 3, 3), 10);
  EXPECT_EQ(At(strip, 16, 8, 0), 30);  // sunk: dark top-left
  EXPECT_EQ(At(strip, 16, 15, 5), 20);
}

TEST(ControlStripTest, RoundControlsLeaveTheirCornersTransparent) {
  const std::vector<uint8_t> strip = DrawControlStrip(
      20, 20, ControlShape::kRound, {{kColours}, {kColours, false, ControlMark::kDot, 99}});
  EXPECT_EQ(At(strip, 40, 0, 0), kControlTransparentIndex);
  EXPECT_EQ(At(strip, 40, 19, 19), kControlTransparentIndex);
  EXPECT_EQ(At(strip, 40, 10, 10), 10);
  EXPECT_EQ(At(strip, 40, 30, 10), 99);
  EXPECT_EQ(At(strip, 40, 20, 0), kControlTransparentIndex);
}

TEST(ControlStripTest, CheckMarkIsDrawnInsideTheWell) {
  const std::vector<uint8_t> strip =
      DrawControlStrip(20, 20, ControlShape::kBox, {{kColours, true, ControlMark::kCheck, 77}});
  size_t marked = 0;
  for (uint8_t pixel : strip) marked += pixel == 77;
  EXPECT_GT(marked, 10u);
  for (int32_t x = 0; x < 20; ++x) EXPECT_NE(At(strip, 20, x, 0), 77);
}

TEST(ControlStripTest, NothingForAnEmptySizeOrNoFrames) {
  EXPECT_TRUE(DrawControlStrip(0, 5, ControlShape::kBox, {{kColours}}).empty());
  EXPECT_TRUE(DrawControlStrip(5, -1, ControlShape::kBox, {{kColours}}).empty());
  EXPECT_TRUE(DrawControlStrip(5, 5, ControlShape::kRound, {}).empty());
}

}  // namespace
