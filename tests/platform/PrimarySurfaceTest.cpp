#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/MemoryDisplay.h"
#include "platform/PictureConversion.h"
#include "platform/StaticColours.h"
#include "platform/SystemPalette.h"
#include "platform/VerticalBlank.h"
#include "platform/Window.h"

namespace platform {
namespace {

intptr_t Ignore(WindowHandle, uint32_t, uintptr_t, intptr_t) { return 0; }

class PrimarySurfaceTest : public testing::Test {
protected:
  void SetUp() override {
    ResetSystemPalette();
    RegisterWindowClass("PrimaryTest", Ignore);
    window = CreateWindow("PrimaryTest", "", 0, {100, 50, 740, 530});
    ASSERT_NE(window, kNoWindow);
    ASSERT_EQ(display.SetCooperativeLevel(window, kCooperativeNormal), kResultOk);
    ASSERT_EQ(display.CreateSurface(0, 0, kSurfacePrimary, &primary), kResultOk);
  }
  void TearDown() override {
    primary->Release();
    DestroyWindow(window);
    ResetSystemPalette();
  }
  WindowPicture Shown() const {
    WindowPicture picture;
    EXPECT_TRUE(GetWindowPicture(window, picture));
    return picture;
  }

  MemoryDisplayDevice display;
  WindowHandle window = kNoWindow;
  DisplaySurface* primary = nullptr;
};

TEST_F(PrimarySurfaceTest, IsTheWindowsPictureAtItsClientOrigin) {
  int32_t width = 0, height = 0;
  primary->GetSize(width, height);
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  BltFx fx;
  fx.fillColor = 9;
  const Rect onScreen{110, 60, 120, 70};
  ASSERT_EQ(primary->Blt(&onScreen, nullptr, nullptr, kBltColorFill, &fx), kResultOk);
  const WindowPicture shown = Shown();
  EXPECT_EQ(shown.pixels[10 * 640 + 10], 9);
  EXPECT_EQ(shown.pixels[9 * 640 + 9], 0);
  // A rectangle past the picture is refused without a clipper and cut with one.
  const Rect across{700, 500, 800, 600};
  EXPECT_NE(primary->Blt(&across, nullptr, nullptr, kBltColorFill, &fx), kResultOk);
  DisplayClipper* clipper = nullptr;
  ASSERT_EQ(display.CreateClipper(&clipper), kResultOk);
  clipper->SetWindow(window);
  primary->SetClipper(clipper);
  clipper->Release();
  EXPECT_EQ(primary->Blt(&across, nullptr, nullptr, kBltColorFill, &fx), kResultOk);
  EXPECT_EQ(Shown().pixels[479 * 640 + 639], 9);
}

TEST_F(PrimarySurfaceTest, ShowsThroughItsPaletteOrElseTheSystemPalette) {
  BltFx fx;
  primary->Blt(nullptr, nullptr, nullptr, kBltColorFill, &fx);
  EXPECT_EQ(Shown().colours[250], StaticColour(250));
  PaletteEntry entries[256] = {};
  entries[3] = {250, 0, 0, kPaletteExplicit};
  entries[100] = {1, 2, 3, kPaletteReserved};
  DisplayPalette* palette = nullptr;
  ASSERT_EQ(display.CreatePalette(kPalette8Bit, entries, &palette), kResultOk);
  primary->SetPalette(palette);
  EXPECT_EQ(Shown().colours[3], StaticColour(250));
  EXPECT_EQ(Shown().colours[100], (Rgb{1, 2, 3}));
  PaletteEntry system[256];
  ASSERT_TRUE(GetSystemPaletteEntries(0, 256, system));
  EXPECT_EQ(system[100], (PaletteEntry{1, 2, 3, 0}));
  // Changing the attached palette shows at once.
  const PaletteEntry white{255, 255, 255, 0};
  palette->SetEntries(100, 1, &white);
  EXPECT_EQ(Shown().colours[100], (Rgb{255, 255, 255}));
  palette->Release();
  EXPECT_FALSE(GetSystemPaletteEntries(250, 7, system));
}

TEST(VerticalBlankTest, BeginsEverySixtiethOfASecond) {
  ManualClock clock;
  clock.msStepPerRead = 1;
  clock.systemMs = 1;
  SetClockSource(&clock);
  WaitForVerticalBlankBegin();
  EXPECT_EQ(clock.systemMs, 18u);  // frame 1 begins at 16.7 ms: the read at 17 saw it
  EXPECT_FALSE(IsInVerticalBlank());
  clock.msStepPerRead = 0;
  clock.systemMs = 34;
  EXPECT_TRUE(IsInVerticalBlank());
  SetClockSource(nullptr);
}

TEST(PictureConversionTest, EachPixelTakesItsColour) {
  std::array<Rgb, 256> colours{};
  colours[1] = {0x12, 0x34, 0x56};
  const uint8_t pixels[] = {1, 0, 9, 1, 1, 9};
  uint32_t out[4] = {};
  ConvertPicture(pixels, 3, 2, 2, ToArgb(colours), out, 8);
  EXPECT_EQ(out[0], 0xFF123456u);
  EXPECT_EQ(out[1], 0xFF000000u);
  EXPECT_EQ(out[2], 0xFF123456u);
  EXPECT_EQ(out[3], 0xFF123456u);
}

}  // namespace
}  // namespace platform
