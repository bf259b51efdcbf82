#include <gtest/gtest.h>

#include "Drovane/Application.h"
#include "Drovane/BackBuffer.h"
#include "Drovane/DirectDrawObject.h"
#include "Drovane/WinWindow.h"
#include "Drovane/DisplayFixture.h"

using platform::Rect;
using Pixels = std::vector<std::vector<uint8_t>>;

namespace {

class BackBufferTest : public DisplayFixture {};

uint8_t Counting(int32_t x, int32_t y) { return static_cast<uint8_t>(1 + x + 10 * y); }

}  // namespace

TEST_F(BackBufferTest, NestedLocksLockTheSurfaceOnce) {
  CBackBuffer buffer(5, 3);
  const int32_t before = gLockCount;
  const int locksBefore = Surface(buffer)->lockCalls;
  EXPECT_EQ(buffer.Lock(), 1);
  EXPECT_EQ(buffer.Lock(), 2);
  EXPECT_EQ(gLockCount, before + 2);
  EXPECT_EQ(buffer.Unlock(), 1);
  EXPECT_NE(buffer.mpBits, nullptr);
  EXPECT_EQ(buffer.Unlock(), 0);
  EXPECT_EQ(buffer.mpBits, nullptr);
  EXPECT_EQ(buffer.mStride, 8);
  EXPECT_EQ(gLockCount, before);
  EXPECT_EQ(Surface(buffer)->lockCalls - locksBefore, 1);
  EXPECT_EQ(Surface(buffer)->unlockCalls, Surface(buffer)->lockCalls);
  EXPECT_EQ(buffer.Unlock(), 0);
  EXPECT_EQ(gLockCount, before);
}

TEST_F(BackBufferTest, CountsTheMemoryOfItsSurfaces) {
  {
    CBackBuffer a(10, 4);
    CBackBuffer b(3, 3);
    EXPECT_EQ(gSurfaceMemory, 49);
  }
  EXPECT_EQ(gSurfaceMemory, 0);
}

TEST_F(BackBufferTest, AFailedSurfaceLeavesAnEmptyBuffer) {
  CBackBuffer buffer(0, 10);
  EXPECT_EQ(buffer.GetSurface(), nullptr);
  EXPECT_EQ(gSurfaceMemory, 0);
  EXPECT_EQ(buffer.Lock(), 0);
  EXPECT_EQ(buffer.FillRect(1, nullptr), kNoSurface);
  CBackBuffer dest(4, 4);
  EXPECT_EQ(buffer.Compose(&dest, 0, 0, 0, 0, 1, 1), kNoSurface);
}

TEST_F(BackBufferTest, ComposeClipsAtEveryEdge) {
  CBackBuffer source(3, 3);
  Paint(source, Counting);
  const struct {
    int32_t x, y;
    Pixels expected;
  } cases[] = {
      {-1, 0, {{2, 3, 0, 0}, {12, 13, 0, 0}, {22, 23, 0, 0}, {0, 0, 0, 0}}},
      {2, 0, {{0, 0, 1, 2}, {0, 0, 11, 12}, {0, 0, 21, 22}, {0, 0, 0, 0}}},
      {0, -2, {{21, 22, 23, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {1, 3, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 2, 3}}},
      {-2, -2, {{23, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {3, 3, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}},
  };
  for (const auto& c : cases) {
    CBackBuffer dest(4, 4);
    dest.FillRect(0, nullptr);
    EXPECT_EQ(source.Compose(&dest, c.x, c.y, 0, 0, 3, 3), 0u);
    EXPECT_EQ(PixelRows(dest), c.expected) << "at " << c.x << ", " << c.y;
  }
}

TEST_F(BackBufferTest, ComposeOutsideTheDestinationDrawsNothing) {
  CBackBuffer source(3, 3);
  Paint(source, Counting);
  CBackBuffer dest(4, 4);
  dest.FillRect(0, nullptr);
  const int32_t places[][2] = {{4, 0}, {0, 4}, {-3, 0}, {0, -3}, {-4, 0}};
  for (const auto& at : places) EXPECT_EQ(source.Compose(&dest, at[0], at[1], 0, 0, 3, 3), 0u);
  EXPECT_EQ(PixelRows(dest), Pixels(4, std::vector<uint8_t>(4, 0)));
}

TEST_F(BackBufferTest, ComposeUsesTheColourKeyOnlyWhileTransparent) {
  CBackBuffer sprite(2, 2);
  Paint(sprite, [](int32_t x, int32_t y) -> uint8_t { return x == y ? 254 : 7; });
  CBackBuffer dest(2, 2);
  dest.FillRect(1, nullptr);
  sprite.SetTransparentColor(true, 254);
  EXPECT_EQ(sprite.Compose(&dest, 0, 0, 0, 0, 2, 2), 0u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{1, 7}, {7, 1}}));
  sprite.SetTransparentColor(false, 0);
  EXPECT_EQ(sprite.mTransparentIndex, 254);
  sprite.Compose(&dest, 0, 0, 0, 0, 2, 2);
  EXPECT_EQ(PixelRows(dest), (Pixels{{254, 7}, {7, 254}}));
}

TEST_F(BackBufferTest, ASourceRectangleOutsideItsSurfaceIsRefused) {
  CBackBuffer source(3, 3);
  CBackBuffer dest(4, 4);
  dest.FillRect(0, nullptr);
  EXPECT_EQ(source.Compose(&dest, 0, 0, 1, 1, 4, 3), platform::kDisplayInvalidRect);
  EXPECT_EQ(source.Compose(&dest, 0, 0, -1, 0, 2, 2), platform::kDisplayInvalidRect);
  EXPECT_EQ(PixelRows(dest), Pixels(4, std::vector<uint8_t>(4, 0)));
}

TEST_F(BackBufferTest, ComposeStretchedScalesNearestNeighbour) {
  CBackBuffer source(2, 1);
  Paint(source, [](int32_t x, int32_t) { return static_cast<uint8_t>(x + 1); });
  CBackBuffer dest(4, 2);
  dest.FillRect(0, nullptr);
  EXPECT_EQ(source.ComposeStretched(&dest, {0, 0, 4, 2}, {0, 0, 2, 1}), 0u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{1, 1, 2, 2}, {1, 1, 2, 2}}));
  EXPECT_EQ(source.CopyTo(&dest, 1, 0, 3, 1, 1, 0, 2, 1), 0u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{1, 2, 2, 2}, {1, 1, 2, 2}}));
}

TEST_F(BackBufferTest, ComposeAllAndUnclipped) {
  CBackBuffer sprite(2, 2);
  Paint(sprite, [](int32_t x, int32_t y) -> uint8_t { return x == y ? 254 : 7; });
  sprite.SetTransparentColor(true, 254);
  CBackBuffer dest(3, 3);
  dest.FillRect(1, nullptr);
  EXPECT_EQ(sprite.ComposeAll(&dest, false), 0u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{254, 7, 1}, {7, 254, 1}, {1, 1, 1}}));
  EXPECT_EQ(sprite.ComposeUnclipped(&dest, 1, 1, 0, 0, 2, 2), 1u);
  EXPECT_EQ(PixelRows(dest), (Pixels{{254, 7, 1}, {7, 254, 7}, {1, 7, 1}}));
  EXPECT_EQ(sprite.ComposeAtPoint(&dest, {2, 0}, {0, 1, 1, 2}), 0u);
  EXPECT_EQ(PixelRows(dest)[0], (std::vector<uint8_t>{254, 7, 7}));
}

TEST_F(BackBufferTest, FillRectIsClampedToTheBuffer) {
  CBackBuffer buffer(4, 3);
  EXPECT_EQ(buffer.FillRect(2, nullptr), 0u);
  EXPECT_EQ(PixelRows(buffer), Pixels(3, std::vector<uint8_t>(4, 2)));
  const Rect beyond{-3, -3, 14, 13};
  buffer.FillRect(5, &beyond);
  EXPECT_EQ(PixelRows(buffer), Pixels(3, std::vector<uint8_t>(4, 5)));
  const Rect corner{-5, -5, 2, 1};
  buffer.FillRect(6, &corner);
  EXPECT_EQ(PixelRows(buffer), (Pixels{{6, 6, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}}));
  const Rect inverted{3, 2, 1, 1};
  EXPECT_EQ(buffer.FillRect(9, &inverted), 0u);
  EXPECT_EQ(PixelRows(buffer)[0], (std::vector<uint8_t>{6, 6, 5, 5}));
}

TEST_F(BackBufferTest, ComposesIntoTheWindowsBackBufferClippedToIt) {
  CBackBuffer screen(4, 2);
  screen.FillRect(0, nullptr);
  CBackBuffer panel(2, 1);
  Paint(panel, [](int32_t x, int32_t) { return static_cast<uint8_t>(x + 1); });
  WinWindow window;
  EXPECT_EQ(window.SetBackBuffer(&screen), nullptr);
  EXPECT_EQ(panel.Swap(&window, 0, 0), platform::kDisplayNoFlipHardware);
  EXPECT_EQ(panel.ComposeToWindow(&window, 0, 0, 2, 1, 3, 1), 0u);
  EXPECT_EQ(panel.ImageBuffer::Swap(&window, 1, 0), 0u);
  EXPECT_EQ(PixelRows(screen), (Pixels{{0, 1, 2, 0}, {0, 0, 0, 1}}));
  EXPECT_EQ(window.SetBackBuffer(nullptr), &screen);
  EXPECT_EQ(panel.ComposeToWindow(&window, 0, 0, 2, 1, 0, 0), kNoSurface);
}

TEST_F(BackBufferTest, TheApplicationMakesBuffers) {
  class Bare : public CApplication {
    uint32_t Startup() override { return 0; }
    uint32_t PrepareGame() override { return 0; }
    uint32_t RunFrame() override { return 0; }
    uint32_t FinishGame() override { return 0; }
  } application;
  CBackBuffer* sized = application.CreateBackBuffer(6, 5, nullptr);
  ASSERT_NE(sized, nullptr);
  EXPECT_EQ(sized->GetWidth(), 6);
  EXPECT_NE(sized->GetSurface(), nullptr);
  CBackBuffer* missing = application.CreateBackBufferFromFile("no-such-file.bmp");
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->GetWidth(), 0);
  EXPECT_EQ(missing->GetSurface(), nullptr);
  delete sized;
  delete missing;
}

TEST_F(BackBufferTest, SetsPaletteEntriesFromColourWords) {
  CBackBuffer buffer;
  platform::PaletteEntry entries[256] = {};
  ASSERT_EQ(lpDD->CreatePalette(platform::kPalette8Bit, entries, &buffer.mpPalette), 0u);
  const uint32_t colours[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00112233, 0x00445566};
  buffer.SetPaletteEntries(10, 2, colours);
  buffer.SetPaletteEntries(255, 2, colours);
  platform::PaletteEntry read[3];
  buffer.mpPalette->GetEntries(10, 3, read);
  EXPECT_EQ(read[0], (platform::PaletteEntry{0x11, 0x22, 0x33, 5}));
  EXPECT_EQ(read[1], (platform::PaletteEntry{0x44, 0x55, 0x66, 5}));
  EXPECT_EQ(read[2], platform::PaletteEntry{});
  buffer.mpPalette->Release();
}
