#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/DisplayFixture.h"
#include "Drovane/PaletteViewBuffer.h"
#include "imagefiles/GamePalette.h"
#include "platform/SystemPalette.h"
#include "support/ImageCheck.h"

using platform::Rect;

namespace {

class PaletteViewBufferTest : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    platform::ResetSystemPalette();
  }

  static std::array<uint32_t, 256> Ramp() {
    std::array<uint32_t, 256> colours{};
    for (uint32_t i = 0; i < 256; ++i) colours[i] = i << 16 | (255 - i) << 8 | i / 2;
    return colours;
  }
  static bool Inside(const Rect& rect, int32_t x, int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
  }
  // The index whose swatch holds the pixel, -1 for none; the same for labels.
  static int32_t SwatchAt(int32_t x, int32_t y) {
    const int32_t index = x / 100 * 44 + y / 10;
    return index < 256 && Inside(PaletteViewBuffer::SwatchRect(index), x, y) ? index : -1;
  }
  static int32_t LabelAt(int32_t x, int32_t y) {
    const int32_t index = x / 100 * 44 + y / 10;
    return index < 256 && Inside(PaletteViewBuffer::LabelRect(index), x, y) ? index : -1;
  }
};

TEST_F(PaletteViewBufferTest, SwatchesAndLabelsHaveTheirPlaces) {
  EXPECT_EQ(PaletteViewBuffer::SwatchRect(0), (Rect{0, 0, 10, 10}));
  EXPECT_EQ(PaletteViewBuffer::SwatchRect(43), (Rect{0, 430, 10, 440}));
  EXPECT_EQ(PaletteViewBuffer::SwatchRect(44), (Rect{100, 0, 110, 10}));
  EXPECT_EQ(PaletteViewBuffer::SwatchRect(255), (Rect{500, 350, 510, 360}));
  EXPECT_EQ(PaletteViewBuffer::LabelRect(44), (Rect{111, 0, 190, 10}));
}

// Swatches are compared pixel by pixel; the labels, drawn by the TrueType service, by a
// checksum of their own over the view with its swatches blanked.
TEST_F(PaletteViewBufferTest, DrawsEverySwatchAndLabel) {
  const std::array<uint32_t, 256> colours = Ramp();
  PaletteViewBuffer view(colours.data());
  ASSERT_EQ(view.mWidth, 600);
  ASSERT_EQ(view.mHeight, 440);
  const auto rows = PixelRows(view);
  std::vector<uint8_t> labels;
  int32_t inkedLabels = 0;
  std::array<bool, 256> inked{};
  for (int32_t y = 0; y < 440; ++y) {
    for (int32_t x = 0; x < 600; ++x) {
      const uint8_t pixel = rows[y][x];
      const int32_t swatch = SwatchAt(x, y);
      const int32_t label = LabelAt(x, y);
      if (swatch >= 0) {
        ASSERT_EQ(pixel, swatch) << x << ", " << y;
      } else if (label >= 0) {
        inked[label] = inked[label] || pixel != 255;
      } else {
        ASSERT_EQ(pixel, 255) << x << ", " << y;
      }
      labels.push_back(swatch >= 0 ? 255 : pixel);
    }
  }
  for (bool each : inked) inkedLabels += each;
  EXPECT_EQ(inkedLabels, 256);
  EXPECT_TRUE(MatchesTextChecksum({labels.data(), 600, 440, 600}, GamePalette(), "palette_view_labels", 0x02128EBE));
}

TEST_F(PaletteViewBufferTest, ShowsTheScreenPaletteOrTheSystemPaletteWithoutOne) {
  platform::PaletteEntry system[256];
  ASSERT_TRUE(platform::GetSystemPaletteEntries(0, 256, system));
  {
    ASSERT_EQ(lpPalette, nullptr);
    PaletteViewBuffer view;
    for (size_t i = 0; i < 256; ++i) {
      EXPECT_EQ(view.mColors[i], uint32_t{system[i].red} << 16 | system[i].green << 8 | system[i].blue) << i;
    }
  }
  platform::PaletteEntry entries[256];
  for (int i = 0; i < 256; ++i) entries[i] = {static_cast<uint8_t>(i), 7, static_cast<uint8_t>(255 - i), 0};
  ASSERT_EQ(lpDD->CreatePalette(platform::kPalette8Bit, entries, &lpPalette), 0u);
  {
    PaletteViewBuffer view;
    EXPECT_EQ(view.mColors[0], 0x0007FFu);
    EXPECT_EQ(view.mColors[200], 0xC80737u);
  }
  lpPalette->Release();
  lpPalette = nullptr;
}

TEST_F(PaletteViewBufferTest, ComposesTheWholeViewWhateverIsAsked) {
  const std::array<uint32_t, 256> colours = Ramp();
  PaletteViewBuffer view(colours.data());
  CBackBuffer screen(640, 480);
  screen.FillRect(3, nullptr);
  view.Compose(&screen, 10, 10, 0, 0, 1, 1);
  const auto rows = PixelRows(screen);
  EXPECT_EQ(rows[9][9], 3);
  EXPECT_EQ(rows[10][10], 0);        // swatch 0
  EXPECT_EQ(rows[360][510], 255);    // swatch 255 at (500, 350)
  EXPECT_EQ(rows[449][609], 255);    // the view's last pixel
  EXPECT_EQ(rows[450][610], 3);
}

}  // namespace
