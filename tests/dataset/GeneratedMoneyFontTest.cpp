// Checks the money gauge's bitmap font in the data set the build generated.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Drovane/BackBuffer.h"
#include "Drovane/BitmapFont.h"
#include "Drovane/DirectDrawObject.h"
#include "dataset/MoneyGaugeFont.h"
#include "platform/Process.h"

namespace {

class GeneratedMoneyFontTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(DDEnable(), 0u); }
  void TearDown() override {
    font.reset();
    DDDisable();
  }
  std::unique_ptr<BitmapFont> font =
      std::make_unique<BitmapFont>(platform::ToGamePath(HALVORINE_DATA_SET "/fonts/moneygge.def"), 0);
};

TEST_F(GeneratedMoneyFontTest, LoadsWithAGlyphForEveryPrintableCode) {
  ASSERT_NE(font->Load(), nullptr);
  ASSERT_NE(font->mpGlyphBuffer->GetSurface(), nullptr);
  EXPECT_EQ(font->mLanguage, 1);
  EXPECT_EQ(font->mStartCharacter, 32);
  EXPECT_EQ(font->mCharacterCount, 95);
  ASSERT_EQ(font->mCellRects.size(), 95u);
  EXPECT_GE(font->mHeight, 1);
  EXPECT_LE(font->mHeight, 14);
  EXPECT_EQ(font->mpGlyphBuffer->mTransparentIndex, kMoneyFontBackground);
  for (int code = 33; code <= 126; ++code) {
    const platform::Rect& ink = font->mInkRects[font->GlyphIndex(static_cast<uint8_t>(code))];
    EXPECT_GT(ink.right, ink.left) << "code " << code << " has no ink";
    EXPECT_LE(ink.bottom, 14) << code;
  }
  EXPECT_EQ(font->mInkRects[0], (platform::Rect{}));  // the space
  EXPECT_GT(font->mAdvanceWidths[0], 0);
}

// The gauge draws the money right-aligned into its 74 x 14 box without clipping.
TEST_F(GeneratedMoneyFontTest, TheMoneyFitsTheGaugesBox) {
  font->Load();
  CBackBuffer dash(120, 40);
  dash.FillRect(1, nullptr);
  const platform::Rect box{20, 12, 94, 26};
  font->DrawTextInRectUnclipped(&dash, box, "-1234567", 8, kTextRight);
  ASSERT_GT(dash.Lock(), 0);
  int32_t inked = 0;
  for (int32_t y = 0; y < dash.mHeight; ++y) {
    for (int32_t x = 0; x < dash.mWidth; ++x) {
      const uint8_t pixel = dash.mpBits[y * dash.mStride + x];
      if (pixel == 1) continue;
      ++inked;
      EXPECT_EQ(pixel, kMoneyFontInk);
      EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom) << x << ", " << y;
    }
  }
  dash.Unlock();
  EXPECT_GT(inked, 50);
}

}  // namespace
