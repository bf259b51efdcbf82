#include <gtest/gtest.h>

#include <algorithm>

#include "Drovane/GdiFont.h"
#include "platform/FontRegistry.h"

namespace {

constexpr const char* kMonoFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

TEST(GdiFontTest, DefaultDescribesArial12AndMakesNothing) {
  GdiFont font;
  EXPECT_EQ(font.mFace, "arial");
  EXPECT_EQ(font.mHeight, 12);
  EXPECT_EQ(font.mWidth, 0);
  EXPECT_EQ(font.mFlags, 0u);
  EXPECT_FALSE(font.mhFont);
}

TEST(GdiFontTest, MakesTheFontOnlyWhenAskedAndNeverForAnEmptyFace) {
  EXPECT_TRUE(GdiFont("Arial", 16, 0, 0, 1).mhFont);
  EXPECT_FALSE(GdiFont("Arial", 16, 0, 0, 0).mhFont);
  GdiFont empty("", 16, 0, 0, 1);
  EXPECT_FALSE(empty.mhFont);
  EXPECT_EQ(empty.Create(), 0);
}

TEST(GdiFontTest, StyleFlagsGiveTheStyle) {
  GdiFont boldItalic("Arial", 16, 0, kFontBold | kFontItalic, 1);
  ASSERT_TRUE(boldItalic.mhFont);
  EXPECT_TRUE(boldItalic.mhFont->Request().bold);
  EXPECT_TRUE(boldItalic.mhFont->Request().italic);
  GdiFont regular("Arial", 16, 0, 0, 1);
  ASSERT_TRUE(regular.mhFont);
  EXPECT_FALSE(regular.mhFont->Request().bold);
  EXPECT_FALSE(regular.mhFont->Request().italic);
  EXPECT_GT(boldItalic.mhFont->Measure("Heli"), regular.mhFont->Measure("Heli"));
}

TEST(GdiFontTest, SetAttributesWithZerosKeepsTheFont) {
  GdiFont font("Arial", 16, 0, 0, 1);
  const platform::TextFont* before = font.mhFont.get();
  font.SetAttributes(0, 0, 0);
  EXPECT_EQ(font.mhFont.get(), before);
  font.SetAttributes(28, 0, 0);
  EXPECT_EQ(font.mHeight, 28);
  ASSERT_TRUE(font.mhFont);
  EXPECT_EQ(font.mhFont->Request().height, 28);
}

TEST(GdiFontTest, HeightIsTheCellAboveZeroAndTheCharacterBelow) {
  for (int32_t height : {12, 16, 28}) {
    GdiFont cell("Arial", height, 0, 0, 1);
    ASSERT_TRUE(cell.mhFont);
    EXPECT_LE(cell.mhFont->CellHeight(), height);
    EXPECT_GE(cell.mhFont->CellHeight(), height - 2);
    GdiFont character("Arial", -height, 0, 0, 1);
    ASSERT_TRUE(character.mhFont);
    EXPECT_GT(character.mhFont->CellHeight(), height);
  }
  GdiFont zero("Arial", 0, 0, 0, 1);
  GdiFont twelve("Arial", 12, 0, 0, 1);
  EXPECT_EQ(zero.mhFont->CellHeight(), twelve.mhFont->CellHeight());
}

TEST(GdiFontTest, WidthScalesTheGlyphsToTheAverageWidth) {
  GdiFont wide("Arial", 16, 20, 0, 1);
  ASSERT_TRUE(wide.mhFont);
  EXPECT_NEAR(wide.mhFont->Measure("xxxxxxxxxx"), 200, 10);
  GdiFont own("Arial", 16, 0, 0, 1);
  EXPECT_EQ(wide.mhFont->CellHeight(), own.mhFont->CellHeight());
}

TEST(GdiFontTest, MeasuringANullTextGivesOneLine) {
  GdiFont font("Arial", 16, 0, 0, 1);
  int32_t width = -1, height = -1;
  ASSERT_EQ(font.MeasureText(nullptr, &width, &height), 1);
  EXPECT_EQ(height, font.mhFont->CellHeight());
  EXPECT_EQ(width, font.mhFont->Measure("X"));
  ASSERT_EQ(font.MeasureText("one two\r\nthree", &width, &height), 1);
  EXPECT_EQ(height, 2 * font.mhFont->CellHeight());
  EXPECT_EQ(width, font.mhFont->Measure("one two"));
}

TEST(GdiFontTest, MeasuringWithoutAFontLeavesTheOutputs) {
  GdiFont font("Arial", 16, 0, 0, 0);
  int32_t width = -1, height = -1;
  EXPECT_EQ(font.MeasureText("x", &width, &height), 0);
  EXPECT_EQ(width, -1);
  EXPECT_EQ(height, -1);
}

TEST(GdiFontTest, CopiesMakeAFontOnlyWhenTheSourceHasOne) {
  GdiFont described("MS Sans Serif", 16, 0, kFontBold, 0);
  GdiFont copy(described);
  EXPECT_EQ(copy.mFace, "MS Sans Serif");
  EXPECT_EQ(copy.mFlags, kFontBold);
  EXPECT_FALSE(copy.mhFont);
  GdiFont made("Arial", 12, 0, 0, 1);
  copy = made;
  ASSERT_TRUE(copy.mhFont);
  EXPECT_NE(copy.mhFont.get(), made.mhFont.get());
  const platform::TextFont* before = copy.mhFont.get();
  GdiFont& self = copy;
  copy = self;
  EXPECT_EQ(copy.mhFont.get(), before);
}

TEST(GdiFontTest, AnAddedFileServesItsFamilyUntilRemoved) {
  const auto has = [](const std::string& name) {
    const std::vector<std::string> names = platform::FontFamilyNames();
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  EXPECT_TRUE(has("Arial"));
  EXPECT_TRUE(has("Bulgarian Ariel"));
  ASSERT_EQ(GdiFont::AddFontFile(kMonoFile), 1);
  EXPECT_TRUE(has("DejaVu Sans Mono"));
  GdiFont mono("dejavu sans mono", 16, 0, 0, 1);
  ASSERT_TRUE(mono.mhFont);
  EXPECT_EQ(mono.mhFont->Measure("iiii"), mono.mhFont->Measure("mmmm"));
  EXPECT_EQ(GdiFont::RemoveFontFile(kMonoFile), 1);
  EXPECT_FALSE(has("DejaVu Sans Mono"));
  EXPECT_EQ(GdiFont::RemoveFontFile(kMonoFile), 0);
  EXPECT_EQ(GdiFont::AddFontFile("/nonexistent/font.ttf"), 0);
}

}  // namespace
