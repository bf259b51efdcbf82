#include <gtest/gtest.h>

#include "Drovane/DisplayFixture.h"
#include "Drovane/MatchSurfaceColor.h"
#include "platform/SystemPalette.h"

namespace {

class MatchSurfaceColorTest : public DisplayFixture {};

TEST_F(MatchSurfaceColorTest, AnswersTheNearestIndexAndLeavesThePixel) {
  platform::ResetSystemPalette();
  CBackBuffer buffer(3, 1);
  Paint(buffer, [](int32_t x, int32_t) { return static_cast<uint8_t>(x == 0 ? 42 : 0xAB); });
  EXPECT_EQ(MatchSurfaceColor(buffer.GetSurface(), 0x00F00000), 249);
  EXPECT_EQ(MatchSurfaceColor(buffer.GetSurface(), 0x00FFFFFF), 255);
  // Only the one pixel is read: its neighbours do not leak into the answer.
  EXPECT_EQ(MatchSurfaceColor(buffer.GetSurface(), 0), 0);
  EXPECT_EQ(PixelRows(buffer)[0], (std::vector<uint8_t>{42, 0xAB, 0xAB}));
}

TEST_F(MatchSurfaceColorTest, ALockedOrMissingSurfaceGivesMinusOne) {
  CBackBuffer buffer(2, 2);
  EXPECT_EQ(MatchSurfaceColor(nullptr, 0), -1);
  ASSERT_GT(buffer.Lock(), 0);
  EXPECT_EQ(MatchSurfaceColor(buffer.GetSurface(), 0), -1);
  buffer.Unlock();
}

}  // namespace
