#include <gtest/gtest.h>

#include <algorithm>

#include "Drovane/ScreenFixture.h"
#include "platform/DeviceContext.h"

using namespace platform;

namespace {

class WindowTextTest : public ScreenFixture {
protected:
  // The default font's extent of a text, as the window measures it.
  static Point Extent(const char* text) { return DeviceContext(nullptr).GetTextExtent(text); }
};

TEST_F(WindowTextTest, TextColoursBecomeTheNearestIndexOfTheScreensPalette) {
  CBackBuffer buffer(60, 30);
  buffer.FillRect(0, nullptr);
  buffer.mTextColor = 100 << 16 | 155 << 8 | 50;  // colour 100 of the ramp
  Rect rect{0, 0, 60, 30};
  buffer.DrawBufferText("W", -1, 0, &rect, nullptr);
  const auto count = [&buffer](uint8_t index) {
    buffer.Lock();
    size_t n = 0;
    for (int32_t y = 0; y < buffer.mHeight; ++y) n += std::count(buffer.mpBits + y * buffer.mStride,
                                                                  buffer.mpBits + y * buffer.mStride + 60, index);
    buffer.Unlock();
    return n;
  };
  const size_t before = count(100);
  EXPECT_EQ(before, 0u);
  MakeScreen(1, Ramp().data());
  buffer.DrawBufferText("W", -1, 0, &rect, nullptr);
  EXPECT_GT(count(100), 0u);
}

TEST_F(WindowTextTest, DrawsOnThePrimaryInAWhiteBox) {
  MakeScreen(1, Ramp().data());
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  ASSERT_EQ(window->DrawText("Paused", 4, 100, 50, &left, &top, &right, &bottom), 0u);
  const Point extent = Extent("Paused");
  EXPECT_EQ(left, 98);
  EXPECT_EQ(top, 48);
  EXPECT_EQ(right, 100 + extent.x);
  EXPECT_EQ(bottom, 50 + extent.y);
  const WindowPicture shown = Shown();
  EXPECT_EQ(shown.pixels[48 * 640 + 98], 255);
  EXPECT_EQ(shown.colours[255], (Rgb{255, 255, 255}));
  EXPECT_EQ(shown.pixels[47 * 640 + 98], 0);
}

TEST_F(WindowTextTest, TheBoxIsCentredAndKeptInsideTheClientArea) {
  MakeScreen(1, Ramp().data());
  const Point extent = Extent("Paused");
  struct Case {
    uint32_t flags;
    int32_t x, y;
    Rect box;
  };
  const Case cases[] = {
      {1 | 2, 320, 240, {320 - extent.x / 2 - 2, 240 - extent.y / 2 - 2, 320 - extent.x / 2 + extent.x,
                         240 - extent.y / 2 + extent.y}},
      {0, 638, 478, {639 - extent.x - 4, 479 - extent.y - 4, 639, 479}},
      {0, -30, -30, {0, 0, extent.x + 4, extent.y + 4}},
  };
  for (const Case& c : cases) {
    Rect box;
    window->DrawText("Paused", c.flags, c.x, c.y, &box.left, &box.top, &box.right, &box.bottom);
    EXPECT_EQ(box, c.box) << c.x << ", " << c.y;
  }
}

}  // namespace
