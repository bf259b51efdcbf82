#include <gtest/gtest.h>

#include <set>

#include "platform/DeviceContext.h"
#include "platform/MemoryDisplay.h"
#include "platform/ScreenColours.h"
#include "platform/StaticColours.h"
#include "platform/SystemPalette.h"

namespace platform {
namespace {

constexpr uint32_t kRed = 0x00FF0000;
constexpr uint8_t kRedIndex = 249;
constexpr uint8_t kWhiteIndex = 255;

// A 40 x 30 memory surface filled with index 7, drawn on through the system palette.
class DeviceContextTest : public testing::Test {
protected:
  void SetUp() override {
    ResetSystemPalette();
    ASSERT_EQ(display.CreateSurface(40, 30, kSurfaceOffscreenPlain | kSurfaceSystemMemory, &surface), kResultOk);
    BltFx fx;
    fx.fillColor = 7;
    surface->Blt(nullptr, nullptr, nullptr, kBltColorFill, &fx);
  }
  void TearDown() override { surface->Release(); }

  uint8_t Pixel(int32_t x, int32_t y) const {
    const auto* memory = static_cast<MemorySurface*>(surface);
    return memory->Pixels()[y * memory->Pitch() + x];
  }
  // The points that do not hold index 7 any more.
  std::set<std::pair<int32_t, int32_t>> Changed() const {
    std::set<std::pair<int32_t, int32_t>> points;
    for (int32_t y = 0; y < 30; ++y) {
      for (int32_t x = 0; x < 40; ++x) {
        if (Pixel(x, y) != 7) points.insert({x, y});
      }
    }
    return points;
  }

  MemoryDisplayDevice display;
  DisplaySurface* surface = nullptr;
};

TEST(NearestColourTest, TakesTheDistanceOfThePaletteSearchAndTheFirstOnTies) {
  ResetSystemPalette();
  const std::array<uint32_t, 256> colours = ShownScreenColours();
  struct Case {
    uint32_t rgb;
    int32_t index;
  };
  for (const Case& c : {Case{0x000000, 0}, Case{0xFFFFFF, 255}, Case{0xF00000, 249}, Case{0x800000, 1},
                        Case{0x0000FF, 252}, Case{0x00FF00, 250}, Case{0xC0C0C0, 7}, Case{0x101010, 0}}) {
    EXPECT_EQ(NearestColourIndex(colours.data(), 256, c.rgb), c.index) << std::hex << c.rgb;
  }
  // Green weighs most: a green error of 30 loses to a red one of 34 (3 x 34² < 4 x 30²).
  const uint32_t two[] = {0x00001E00, 0x00220000};
  EXPECT_EQ(NearestColourIndex(two, 2, 0), 1);
}

TEST_F(DeviceContextTest, SetPixelTakesTheNearestIndexAndGetPixelReadsItsColour) {
  DeviceContext context(surface);
  ASSERT_TRUE(context.IsValid());
  EXPECT_EQ(context.SetPixel(3, 4, 0xF00000), kRed);
  EXPECT_EQ(context.GetPixel(3, 4), kRed);
  EXPECT_EQ(context.SetPixel(40, 0, kRed), 0xFFFFFFFFu);
  EXPECT_EQ(context.GetPixel(-1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(3, 4), kRedIndex);
}

TEST_F(DeviceContextTest, OneContextAtATime) {
  DeviceContext first(surface);
  DeviceContext second(surface);
  EXPECT_TRUE(first.IsValid());
  EXPECT_FALSE(second.IsValid());
}

TEST_F(DeviceContextTest, ThinPenLeavesOutTheEndPoint) {
  {
    DeviceContext context(surface);
    Pen pen(1, kRed);
    context.SelectPen(&pen);
    context.MoveTo(1, 1);
    context.LineTo(5, 1);
    context.MoveTo(10, 10);
    context.LineTo(13, 13);
  }
  const std::set<std::pair<int32_t, int32_t>> expected = {{1, 1}, {2, 1}, {3, 1}, {4, 1},
                                                          {10, 10}, {11, 11}, {12, 12}};
  EXPECT_EQ(Changed(), expected);
  EXPECT_EQ(Pixel(1, 1), kRedIndex);
}

TEST_F(DeviceContextTest, WidePenDrawsASquareOnEveryPointClipped) {
  {
    DeviceContext context(surface);
    Pen pen(3, kRed);
    context.SelectPen(&pen);
    context.MoveTo(5, 5);
    context.LineTo(6, 5);
    context.MoveTo(0, 29);
    context.LineTo(0, 29);
  }
  std::set<std::pair<int32_t, int32_t>> expected;
  for (int32_t y = 4; y <= 6; ++y) {
    for (int32_t x = 4; x <= 7; ++x) expected.insert({x, y});
  }
  expected.insert({0, 28});
  expected.insert({1, 28});
  expected.insert({0, 29});
  expected.insert({1, 29});
  EXPECT_EQ(Changed(), expected);
}

TEST_F(DeviceContextTest, GlyphPixelsTakeTheColourOrStayAsTheyWere) {
  std::unique_ptr<TextFont> font = TextFont::Create({"Arial", 20});
  ASSERT_TRUE(font);
  Rect rect{0, 0, 40, 30};
  {
    DeviceContext context(surface);
    context.SelectFont(font.get());
    context.SetTextColor(kRed);
    context.DrawText("W", rect, DT_WORDBREAK);
  }
  const auto changed = Changed();
  EXPECT_FALSE(changed.empty());
  for (const auto& [x, y] : changed) EXPECT_EQ(Pixel(x, y), kRedIndex) << x << ", " << y;
}

TEST_F(DeviceContextTest, OpaqueTextFillsItsLineWithWhiteAndClipsToTheRectangle) {
  std::unique_ptr<TextFont> font = TextFont::Create({"Arial", 20});
  ASSERT_TRUE(font);
  Rect rect{2, 3, 12, 30};
  {
    DeviceContext context(surface);
    context.SelectFont(font.get());
    context.SetBackgroundOpaque(true);
    context.DrawText("MMMM", rect, DT_WORDBREAK);
  }
  for (const auto& [x, y] : Changed()) {
    EXPECT_TRUE(x >= 2 && x < 12 && y >= 3 && y < 3 + font->CellHeight()) << x << ", " << y;
    EXPECT_TRUE(Pixel(x, y) == kWhiteIndex || Pixel(x, y) == 0) << x << ", " << y;
  }
  EXPECT_EQ(Pixel(2, 3), kWhiteIndex);
  EXPECT_EQ(Pixel(12, 3), 7);
}

TEST_F(DeviceContextTest, MeasuresWithoutASurface) {
  std::unique_ptr<TextFont> font = TextFont::Create({"Arial", 20});
  ASSERT_TRUE(font);
  DeviceContext screen(nullptr);
  ASSERT_TRUE(screen.IsValid());
  screen.SelectFont(font.get());
  Rect rect{5, 7, 5 + 1000, 7 + 1000};
  EXPECT_EQ(screen.DrawText("ab\r\ncd", rect, DT_CALCRECT | DT_WORDBREAK), 2 * font->CellHeight());
  EXPECT_EQ(rect.bottom, 7 + 2 * font->CellHeight());
  EXPECT_EQ(rect.right, 5 + std::max(font->Measure("ab"), font->Measure("cd")));
  EXPECT_EQ(screen.GetTextExtent("ab"), (Point{font->Measure("ab"), font->CellHeight()}));
}

}  // namespace
}  // namespace platform
