#include <gtest/gtest.h>

#include <vector>

#include "platform/MemoryDisplay.h"

using namespace platform;

namespace {

class MemoryDisplayTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(DirectDrawCreate(&device), kResultOk); }
  void TearDown() override {
    for (DisplaySurface* surface : surfaces) surface->Release();
    device->Release();
  }

  // A surface whose pixel (x, y) is the given function of x and y.
  MemorySurface* MakeSurface(int32_t width, int32_t height, uint8_t (*pixel)(int32_t, int32_t)) {
    DisplaySurface* surface = nullptr;
    EXPECT_EQ(device->CreateSurface(width, height, kSurfaceOffscreenPlain, &surface), kResultOk);
    SurfaceDesc desc;
    surface->Lock(desc);
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) desc.bits[y * desc.pitch + x] = pixel(x, y);
    }
    surface->Unlock(desc.bits);
    surfaces.push_back(surface);
    return static_cast<MemorySurface*>(surface);
  }

  static uint8_t At(const MemorySurface* surface, int32_t x, int32_t y) {
    return surface->Pixels()[y * surface->Pitch() + x];
  }

  // The surface as rows of pixels.
  static std::vector<std::vector<uint8_t>> Rows(const MemorySurface* surface) {
    int32_t width = 0, height = 0;
    surface->GetSize(width, height);
    std::vector<std::vector<uint8_t>> rows(height);
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) rows[y].push_back(At(surface, x, y));
    }
    return rows;
  }

  DisplayDevice* device = nullptr;
  std::vector<DisplaySurface*> surfaces;
};

uint8_t Zero(int32_t, int32_t) { return 0; }
uint8_t Counting(int32_t x, int32_t y) { return static_cast<uint8_t>(1 + x + 10 * y); }

}  // namespace

TEST_F(MemoryDisplayTest, RecordsTheCooperativeLevelAndTheDisplayMode) {
  auto* memory = static_cast<MemoryDisplayDevice*>(device);
  EXPECT_EQ(device->SetDisplayMode(640, 480, 8), kDisplayNoExclusiveMode);
  EXPECT_EQ(device->SetCooperativeLevel(7, kCooperativeExclusive | kCooperativeFullScreen), kResultOk);
  EXPECT_EQ(memory->cooperativeWindow, 7u);
  EXPECT_EQ(device->SetDisplayMode(640, 480, 16), kDisplayInvalidMode);
  EXPECT_EQ(device->SetDisplayMode(640, 480, 8), kResultOk);
  EXPECT_EQ(memory->modeWidth, 640);
  EXPECT_EQ(device->RestoreDisplayMode(), kResultOk);
  EXPECT_EQ(memory->modeWidth, 0);

  memory->cooperativeLevelResult = kDisplayNoExclusiveMode;
  EXPECT_EQ(device->SetCooperativeLevel(9, kCooperativeNormal), kDisplayNoExclusiveMode);
  EXPECT_EQ(memory->cooperativeWindow, 7u);
}

TEST_F(MemoryDisplayTest, RefusesSurfacesWithoutPixelsOrTooLarge) {
  DisplaySurface* surface = reinterpret_cast<DisplaySurface*>(1);
  EXPECT_EQ(device->CreateSurface(0, 5, 0, &surface), kDisplayInvalidParams);
  EXPECT_EQ(surface, nullptr);
  EXPECT_EQ(device->CreateSurface(5, kMaxSurfaceSide + 1, 0, &surface), kDisplayTooBigSize);
}

TEST_F(MemoryDisplayTest, LocksOnceAtATimeWithRowsOfWholeWords) {
  MemorySurface* surface = MakeSurface(13, 2, Zero);
  SurfaceDesc desc;
  ASSERT_EQ(surface->Lock(desc), kResultOk);
  EXPECT_EQ(desc.pitch, 16);
  SurfaceDesc again;
  EXPECT_EQ(surface->Lock(again), kDisplaySurfaceBusy);
  EXPECT_EQ(surface->Unlock(desc.bits), kResultOk);
  EXPECT_EQ(surface->Unlock(desc.bits), kDisplayGeneric);
}

TEST_F(MemoryDisplayTest, PalettesKeepTheirEntriesAndFlags) {
  std::vector<PaletteEntry> entries(256, PaletteEntry{1, 2, 3, kPaletteReserved});
  DisplayPalette* palette = nullptr;
  EXPECT_EQ(device->CreatePalette(0, entries.data(), &palette), kDisplayInvalidParams);
  ASSERT_EQ(device->CreatePalette(kPalette8Bit, entries.data(), &palette), kResultOk);
  const PaletteEntry changed[2] = {{9, 8, 7, kPaletteNoCollapse}, {6, 5, 4, 0}};
  EXPECT_EQ(palette->SetEntries(254, 2, changed), kResultOk);
  EXPECT_EQ(palette->SetEntries(255, 2, changed), kDisplayInvalidParams);
  PaletteEntry read[3];
  ASSERT_EQ(palette->GetEntries(253, 3, read), kResultOk);
  EXPECT_EQ(read[0], (PaletteEntry{1, 2, 3, kPaletteReserved}));
  EXPECT_EQ(read[1], changed[0]);
  EXPECT_EQ(read[2], changed[1]);
  palette->Release();
}

TEST_F(MemoryDisplayTest, CopiesKeyedAndStretched) {
  MemorySurface* source = MakeSurface(2, 2, [](int32_t x, int32_t y) { return static_cast<uint8_t>(x + 2 * y); });
  MemorySurface* dest = MakeSurface(4, 4, [](int32_t, int32_t) -> uint8_t { return 9; });
  const Rect whole{0, 0, 4, 4};
  ASSERT_EQ(dest->Blt(&whole, source, nullptr, kBltWait, nullptr), kResultOk);
  EXPECT_EQ(Rows(dest), (std::vector<std::vector<uint8_t>>{{0, 0, 1, 1}, {0, 0, 1, 1}, {2, 2, 3, 3}, {2, 2, 3, 3}}));

  const ColorKey key{0, 1};
  source->SetColorKey(&key);
  const BltFx nine{9, 0};
  dest->Blt(nullptr, nullptr, nullptr, kBltColorFill, &nine);
  const Rect corner{1, 1, 3, 3};
  ASSERT_EQ(dest->Blt(&corner, source, nullptr, kBltKeySrc, nullptr), kResultOk);
  EXPECT_EQ(Rows(dest), (std::vector<std::vector<uint8_t>>{{9, 9, 9, 9}, {9, 9, 9, 9}, {9, 2, 3, 9}, {9, 9, 9, 9}}));
}

TEST_F(MemoryDisplayTest, ARectangleOutsideItsSurfaceTouchesNoPixel) {
  MemorySurface* source = MakeSurface(4, 4, Counting);
  MemorySurface* dest = MakeSurface(4, 4, Zero);
  const BltFx fill{5, 0};
  const struct {
    Rect dest;
    Rect src;
  } cases[] = {
      {{-1, 0, 3, 4}, {0, 0, 4, 4}}, {{1, 0, 5, 4}, {0, 0, 4, 4}}, {{0, -1, 4, 3}, {0, 0, 4, 4}},
      {{0, 1, 4, 5}, {0, 0, 4, 4}},  {{0, 0, 4, 4}, {1, 0, 5, 4}}, {{0, 0, 4, 4}, {0, -1, 4, 3}},
      {{2, 2, 2, 3}, {0, 0, 1, 1}},  {{0, 0, 4, 4}, {2, 2, 1, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dest->Blt(&c.dest, source, &c.src, 0, nullptr), kDisplayInvalidRect);
  }
  const Rect outside{3, 3, 5, 5};
  EXPECT_EQ(dest->Blt(&outside, nullptr, nullptr, kBltColorFill, &fill), kDisplayInvalidRect);
  EXPECT_EQ(Rows(dest), Rows(MakeSurface(4, 4, Zero)));
}

TEST_F(MemoryDisplayTest, AClipperOnTheDestinationClipsInsteadOfRefusing) {
  MemorySurface* source = MakeSurface(3, 3, Counting);
  MemorySurface* dest = MakeSurface(4, 4, Zero);
  DisplayClipper* clipper = nullptr;
  ASSERT_EQ(device->CreateClipper(&clipper), kResultOk);
  dest->SetClipper(clipper);
  clipper->Release();
  const Rect hanging{-1, 2, 2, 5};
  ASSERT_EQ(dest->Blt(&hanging, source, nullptr, 0, nullptr), kResultOk);
  EXPECT_EQ(Rows(dest), (std::vector<std::vector<uint8_t>>{{0, 0, 0, 0}, {0, 0, 0, 0}, {2, 3, 0, 0}, {12, 13, 0, 0}}));

  const Rect clip{1, 0, 3, 1};
  clipper->SetClipRect(&clip);
  const BltFx fill{7, 0};
  ASSERT_EQ(dest->Blt(nullptr, nullptr, nullptr, kBltColorFill, &fill), kResultOk);
  EXPECT_EQ(Rows(dest)[0], (std::vector<uint8_t>{0, 7, 7, 0}));
}

TEST_F(MemoryDisplayTest, ABlitWithinOneSurfaceReadsThePixelsBeforeIt) {
  MemorySurface* surface = MakeSurface(4, 1, Counting);
  const Rect from{0, 0, 3, 1};
  const Rect to{1, 0, 4, 1};
  ASSERT_EQ(surface->Blt(&to, surface, &from, 0, nullptr), kResultOk);
  EXPECT_EQ(Rows(surface)[0], (std::vector<uint8_t>{1, 1, 2, 3}));
}
