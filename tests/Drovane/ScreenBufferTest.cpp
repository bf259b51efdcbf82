#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/ScreenFixture.h"
#include "platform/MemoryDisplay.h"
#include "platform/StaticColours.h"
#include "support/ImageCheck.h"

using namespace platform;

namespace {

class ScreenBufferTest : public ScreenFixture {};

// Records what RollInRect composes: the source rows and where they go.
class RecordingBuffer : public CBackBuffer {
public:
  struct Composed {
    Rect source;
    Point at;
    bool operator==(const Composed&) const = default;
  };
  RecordingBuffer() : CBackBuffer(640, 480) {}
  uint32_t ComposeToWindow(WinWindow*, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x,
                           int32_t y) override {
    composed.push_back({{left, top, right, bottom}, {x, y}});
    return 0;
  }
  std::vector<Composed> composed;
};

const MemoryPalette& ScreenPalette() { return *dynamic_cast<MemoryPalette*>(lpPalette); }

TEST_F(ScreenBufferTest, WindowedPaletteKeepsTheStaticColoursAsExplicitReferences) {
  const auto ramp = Ramp();
  MakeScreen(1, ramp.data());
  const auto& entries = ScreenPalette().Entries();
  for (int32_t i : {0, 9, 246, 255}) {
    EXPECT_EQ(entries[i], (PaletteEntry{static_cast<uint8_t>(i), 0, 0, kPaletteExplicit})) << i;
  }
  EXPECT_EQ(entries[10], (PaletteEntry{10, 245, 5, kPaletteReserved | kPaletteNoCollapse}));
  EXPECT_EQ(entries[245], (PaletteEntry{245, 10, 122, kPaletteReserved | kPaletteNoCollapse}));
  // The window shows the explicit entries as the static colours they stand for.
  const WindowPicture shown = Shown();
  for (int32_t i : {0, 7, 246, 255}) EXPECT_EQ(shown.colours[i], StaticColour(i)) << i;
  EXPECT_EQ(shown.colours[100], (Rgb{100, 155, 50}));
}

TEST_F(ScreenBufferTest, FullScreenPaletteTakesTheStaticColoursFromTheSystemPalette) {
  const auto ramp = Ramp();
  MakeScreen(0, ramp.data());
  const auto& entries = ScreenPalette().Entries();
  const Rgb seven = StaticColour(7);
  EXPECT_EQ(entries[7], (PaletteEntry{seven.red, seven.green, seven.blue, 0}));
  EXPECT_EQ(entries[200], (PaletteEntry{200, 55, 100, kPaletteReserved | kPaletteNoCollapse}));
  PaletteEntry system[256];
  ASSERT_TRUE(GetSystemPaletteEntries(0, 256, system));
  EXPECT_EQ(system[200], (PaletteEntry{200, 55, 100, 0}));
}

TEST_F(ScreenBufferTest, NoEntriesReattachTheScreenPaletteOrAnswerZeroWithoutOne) {
  MakeScreen(1, nullptr);
  EXPECT_EQ(screen->UsePalette(nullptr), 0);
  EXPECT_EQ(dynamic_cast<MemorySurface*>(screen->mpFrontSurface)->Palette(), nullptr);
  const auto ramp = Ramp();
  EXPECT_EQ(screen->UsePalette(ramp.data()), 1);
  EXPECT_EQ(screen->UsePalette(nullptr), 1);
  EXPECT_EQ(dynamic_cast<MemorySurface*>(screen->mpFrontSurface)->Palette(), lpPalette);
}

TEST_F(ScreenBufferTest, WindowedConstructionNeverFlips) {
  ScreenBuffer windowed(window, 640, 480, nullptr, 2, 1, 1);
  EXPECT_EQ(windowed.mPageFlip, 0);
}

TEST_F(ScreenBufferTest, SwapFillsTheWholePictureWhereverTheWindowStands) {
  MakeScreen(1, Ramp().data());
  SetWindowBounds(window->mWindow, {100, 50, 740, 530});
  window->UpdateScreenRects();
  EXPECT_EQ(screen->mDisplayRect, (Rect{100, 50, 740, 530}));
  screen->FillRect(33, nullptr);
  ASSERT_EQ(screen->Swap(nullptr, 0, 0), 1u);
  const WindowPicture shown = Shown();
  ASSERT_EQ(shown.size, (Point{640, 480}));
  EXPECT_EQ(std::count(shown.pixels.begin(), shown.pixels.end(), 33), 640 * 480);
}

TEST_F(ScreenBufferTest, FillRectWithoutARectangleFillsTheDisplaySize) {
  MakeScreen(1, nullptr);
  SetWindowBounds(window->mWindow, {100, 50, 740, 530});
  window->UpdateScreenRects();
  screen->FillRect(7, nullptr);
  ASSERT_GT(screen->Lock(), 0);
  int filled = 0;
  for (int32_t y = 0; y < 480; ++y) {
    for (int32_t x = 0; x < 640; ++x) filled += screen->mpBits[y * screen->mStride + x] == 7;
  }
  screen->Unlock();
  EXPECT_EQ(filled, 640 * 480);
}

TEST_F(ScreenBufferTest, RollInComposesInTenthsFromTheBottom) {
  RecordingBuffer buffer;
  window->SetBackBuffer(&buffer);
  ASSERT_EQ(window->RollInRect(0, 0, 640, 480), 0u);
  std::vector<RecordingBuffer::Composed> expected{{{0, 0, 640, 48}, {0, 432}}};
  for (int32_t offset = 48, y = 432; y > 0; offset += 48, y -= 48) expected.push_back({{0, 0, 640, offset}, {0, y}});
  expected.push_back({{0, 0, 640, 480}, {0, 0}});
  EXPECT_EQ(buffer.composed, expected);
  EXPECT_EQ(window->RollInRect(0, 0, 640, 9), 0x80000000u);
  window->SetBackBuffer(nullptr);
}

TEST_F(ScreenBufferTest, RollInBringsTheBackSurfaceIntoThePicture) {
  MakeScreen(1, nullptr);
  screen->FillRect(12, nullptr);
  window->RollInRect(0, 0, 640, 480);
  const WindowPicture shown = Shown();
  EXPECT_EQ(std::count(shown.pixels.begin(), shown.pixels.end(), 12), 640 * 480);
}

TEST_F(ScreenBufferTest, BlitToWindowMovesARectangleOfThePicture) {
  MakeScreen(1, nullptr);
  const Rect square{10, 10, 20, 20};
  screen->FillRect(5, &square);
  screen->Swap(nullptr, 0, 0);
  ASSERT_EQ(window->BlitToWindow(10, 10, 20, 20, 100, 30), 0u);
  const WindowPicture shown = Shown();
  EXPECT_EQ(shown.pixels[15 * 640 + 15], 5);
  EXPECT_EQ(shown.pixels[45 * 640 + 115], 5);
  EXPECT_EQ(shown.pixels[45 * 640 + 125], 0);
}

TEST_F(ScreenBufferTest, PaletteMessagesFromOtherWindowsReattachThePalette) {
  MakeScreen(1, Ramp().data());
  auto* front = dynamic_cast<MemorySurface*>(screen->mpFrontSurface);
  for (uint32_t message : {WM_ACTIVATEAPP, WM_QUERYNEWPALETTE, WM_PALETTECHANGED}) {
    front->SetPalette(nullptr);
    SendMessage(window->mWindow, message, window->mWindow + 1, 0);
    EXPECT_EQ(front->Palette(), lpPalette) << message;
  }
  front->SetPalette(nullptr);
  SendMessage(window->mWindow, WM_PALETTECHANGED, window->mWindow, 0);
  EXPECT_EQ(front->Palette(), nullptr);
}

TEST_F(ScreenBufferTest, ChangedEntriesShowAtOnce) {
  MakeScreen(1, Ramp().data());
  screen->Swap(nullptr, 0, 0);
  const uint32_t colours[256] = {};
  window->SetPaletteEntries(100, 1, colours);
  EXPECT_EQ(Shown().colours[100], (Rgb{0, 0, 0}));
}

TEST_F(ScreenBufferTest, ComposedScreenReadsBackFromTheWindow) {
  std::array<uint32_t, 256> colours{};
  const GamePaletteColours& game = GamePalette();
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = game[i].red << 16 | game[i].green << 8 | game[i].blue;
  MakeScreen(1, colours.data());
  SetWindowBounds(window->mWindow, {100, 50, 740, 530});
  window->UpdateScreenRects();
  screen->FillRect(58, nullptr);
  const Rect ground{0, 320, 640, 480};
  screen->FillRect(150, &ground);
  CBackBuffer box(200, 100);
  box.FillRect(21, nullptr);
  const Rect inner{10, 10, 190, 90};
  box.FillRect(100, &inner);
  box.Compose(screen, 220, 190, 0, 0, 200, 100);
  screen->mColorIndex = 249;
  ASSERT_GT(screen->Lock(), 0);
  screen->DrawPixelLine(0, 320, 639, 320, 2);
  screen->Unlock();
  ASSERT_EQ(screen->Swap(nullptr, 0, 0), 1u);
  const WindowPicture shown = Shown();
  const FrameView frame{shown.pixels.data(), shown.size.x, shown.size.y, shown.size.x};
  EXPECT_TRUE(MatchesGoldenImage(frame, shown.colours, "screen_buffer_swap"));
}

}  // namespace
