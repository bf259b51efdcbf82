#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/BitmapFont.h"
#include "Drovane/BitmapFontFixture.h"
#include "Drovane/FontDescription.h"
#include "platform/ProfileFile.h"

using platform::Rect;

namespace {

constexpr uint8_t kPaper = 9;

class BitmapFontTest : public BitmapFontFixture {
protected:
  void TearDown() override {
    font.reset();
    dest.reset();
    BitmapFontFixture::TearDown();
  }

  void Load(const std::vector<std::string>& detail = {}) {
    font = std::make_unique<BitmapFont>(WriteFont(Description(detail)), 3);
    font->Load();
    dest = std::make_unique<CBackBuffer>(20, 11);
    dest->FillRect(kPaper, nullptr);
  }

  // The destination as rows of '.' (paper), 'a' (5), 'b' (6).
  std::vector<std::string> Picture() {
    std::vector<std::string> picture;
    for (const auto& row : PixelRows(*dest)) {
      std::string line;
      for (uint8_t pixel : row) line += pixel == kPaper ? '.' : pixel == 5 ? 'a' : pixel == 6 ? 'b' : '?';
      picture.push_back(line);
    }
    return picture;
  }

  // An empty picture with "AB" drawn with its top-left at (x, y).
  static std::vector<std::string> ExpectedAB(int32_t x, int32_t y) {
    std::vector<std::string> picture(11, std::string(20, '.'));
    const char* glyphs[] = {"aa......", "a....b..", "aa...bb."};
    for (int32_t row = 0; row < 3; ++row) {
      for (int32_t col = 0; col < 8; ++col) {
        const int32_t px = x + 1 + col, py = y + 1 + row;
        if (glyphs[row][col] != '.' && px >= 0 && px < 20 && py >= 0 && py < 11) picture[py][px] = glyphs[row][col];
      }
    }
    return picture;
  }

  std::unique_ptr<BitmapFont> font;
  std::unique_ptr<CBackBuffer> dest;
};

TEST(FontDescriptionTest, ReadsEveryKeyAndSplitsGroupsAtAnyRunOfSpaces) {
  platform::ProfileFile profile;
  profile.Parse(
      "[Header]\nPitch=7\n[Detail 1]\nHeight=12\nLanguage=2\nCharacterSet=3\nStartCharacter=48\n"
      "CharacterCount=3\nRectChars=0,0,5,9    5,0,10,9 10,0,14,9\nFontImageFileName=digits.bmp\n");
  const FontDescription description = ReadFontDescription(profile);
  EXPECT_EQ(description.pitch, 7);
  EXPECT_EQ(description.height, 12);
  EXPECT_EQ(description.language, 2);
  EXPECT_EQ(description.characterSet, 3);
  EXPECT_EQ(description.startCharacter, 48);
  EXPECT_EQ(description.characterCount, 3);
  EXPECT_EQ(description.imageFileName, "digits.bmp");
  EXPECT_EQ(description.cells, (std::vector<Rect>{{0, 0, 5, 9}, {5, 0, 10, 9}, {10, 0, 14, 9}}));
}

TEST(FontDescriptionTest, MissingKeysReadAsTheProfileDefaults) {
  const FontDescription description = ReadFontDescription(platform::ProfileFile{});
  EXPECT_EQ(description.height, -9999);
  EXPECT_EQ(description.startCharacter, -9999);
  EXPECT_EQ(description.imageFileName, "");
  EXPECT_TRUE(description.cells.empty());
}

TEST(FontDescriptionTest, GroupsStopAtTheTextsEndAndAtTheFirstBadGroup) {
  struct Case {
    const char* text;
    int32_t count;
    size_t parsed;
  };
  for (const Case& c : {Case{"1,2,3,4 5,6,7,8", 5, 2}, Case{"1,2,3,4 5,6,x,8 9,9,9,9", 3, 1},
                        Case{"1,2,3,4", -9999, 0}, Case{"1,2,3", 1, 0}, Case{"1,2,3,99999999999", 1, 0},
                        Case{"", 100, 0}, Case{" 1,2,3,4  ", 1, 1}}) {
    EXPECT_EQ(ParseRectChars(c.text, c.count).size(), c.parsed) << c.text;
  }
}

TEST_F(BitmapFontTest, LoadReadsTheTablesAndTheInkBoxes) {
  Load();
  EXPECT_EQ(font->mLanguage, 1);  // the description's, not the constructor's 3
  EXPECT_EQ(font->mHeight, 5);
  ASSERT_EQ(font->mCellRects.size(), 95u);
  EXPECT_EQ(font->mInkRects[font->GlyphIndex('A')], (Rect{1, 1, 3, 4}));
  EXPECT_EQ(font->mInkRects[font->GlyphIndex('B')], (Rect{2, 2, 4, 4}));
  // An empty cell has an empty ink box but still advances by its width.
  EXPECT_EQ(font->mInkRects[font->GlyphIndex(' ')], (Rect{0, 0, 0, 0}));
  EXPECT_EQ(font->mAdvanceWidths[font->GlyphIndex(' ')], 4);
  ASSERT_NE(font->mpGlyphBuffer, nullptr);
  EXPECT_TRUE(font->mpGlyphBuffer->mTransparent);
  EXPECT_EQ(font->mpGlyphBuffer->mTransparentIndex, 0);
  font->Unload();
  EXPECT_EQ(font->mpGlyphBuffer, nullptr);
  EXPECT_EQ(font->mCellRects.size(), 95u);
}

TEST_F(BitmapFontTest, MeasuresWithoutTrailingSpacesOrCharactersOutsideTheFont) {
  Load();
  struct Case {
    const char* text;
    int32_t length;
    int32_t width;
    int32_t count;
  };
  for (const Case& c : {Case{"AB", 2, 8, 2}, Case{"AB  ", 4, 8, 2}, Case{"A B ", 4, 12, 3}, Case{"   ", 3, 0, 0},
                        Case{"", 0, 0, 0}, Case{"A\xE9", 2, 4, 1}, Case{"A\xE9 B", 4, 12, 4}}) {
    int32_t count = -1;
    EXPECT_EQ(font->MeasureText(c.text, c.length, count), c.width) << c.text;
    EXPECT_EQ(count, c.count) << c.text;
  }
  EXPECT_EQ(font->MeasureRun("A\xE9" "B", 3), 8);  // é (233) has no glyph and no width
  EXPECT_EQ(font->MeasureRun("AB\0AB", 5), 8);      // a NUL ends the run
}

TEST_F(BitmapFontTest, FindsLineBreaks) {
  Load();
  struct Case {
    const char* text;
    int32_t width;
    int32_t count;
  };
  // Every character is 4 pixels wide.
  for (const Case& c : {Case{"ab cd", 16, 3}, Case{"abcdef", 8, 6}, Case{"a\nb", 100, 2}, Case{"ab  cd", 12, 4},
                        Case{"abcdef gh", 8, 7}, Case{"abcdef   gh", 8, 9}, Case{"abc-def", 8, 4},
                        Case{"abcdef\ngh", 8, 7}, Case{"ab cd", 100, 5}, Case{"", 100, 0}}) {
    const int32_t length = static_cast<int32_t>(std::string(c.text).size());
    EXPECT_EQ(font->FindLineBreak(c.text, length, c.width), c.count) << c.text << " in " << c.width;
  }
  // The run's length ends the line as a NUL would.
  EXPECT_EQ(font->FindLineBreak("abcdef", 2, 100), 2);
  EXPECT_EQ(font->FindLineBreak("abcdef", 3, 4), 3);
  EXPECT_EQ(font->CountLines("ab cd ef", 8, 12), 3);
  EXPECT_EQ(font->FindWrapWidth("ab cd ef gh", 11, 10), 30);  // two lines of two words
}

TEST_F(BitmapFontTest, DrawsARunPixelExactInBothForms) {
  Load();
  font->DrawRun(dest.get(), 2, 1, "AB", 2);
  EXPECT_EQ(Picture(), ExpectedAB(2, 1));
  dest->FillRect(kPaper, nullptr);
  font->DrawRunUnclipped(dest.get(), 2, 1, "AB", 2);
  EXPECT_EQ(Picture(), ExpectedAB(2, 1));
  // Past the left edge the clipped form draws what is inside; the unclipped form refuses
  // the glyph that would leave the buffer and draws the next one.
  dest->FillRect(kPaper, nullptr);
  font->DrawRun(dest.get(), -2, 0, "AB", 2);
  EXPECT_EQ(Picture(), ExpectedAB(-2, 0));
  dest->FillRect(kPaper, nullptr);
  font->DrawRunUnclipped(dest.get(), -2, 0, "AB", 2);
  std::vector<std::string> onlyB = ExpectedAB(-2, 0);
  for (std::string& row : onlyB) std::replace(row.begin(), row.end(), 'a', '.');
  EXPECT_EQ(Picture(), onlyB);
}

TEST_F(BitmapFontTest, AlignsALineInItsRectangle) {
  Load();
  struct Case {
    const char* name;
    uint32_t flags;
    int32_t x;
  };
  for (const Case& c : {Case{"left", 0, 0}, Case{"centred", kTextCenter, 6}, Case{"right", kTextRight, 12},
                        Case{"centred over right", kTextCenter | kTextRight, 6}}) {
    for (bool clipped : {true, false}) {
      dest->FillRect(kPaper, nullptr);
      if (clipped) {
        font->DrawTextInRect(dest.get(), {0, 2, 20, 7}, "AB  ", 4, c.flags);
      } else {
        font->DrawTextInRectUnclipped(dest.get(), {0, 2, 20, 7}, "AB  ", 4, c.flags);
      }
      EXPECT_EQ(Picture(), ExpectedAB(c.x, 2)) << c.name << (clipped ? " clipped" : " unclipped");
    }
  }
  dest->FillRect(kPaper, nullptr);
  font->DrawTextInRect(dest.get(), {0, 0, 20, 5}, "   ", 3, kTextCenter);
  font->DrawTextInRect(dest.get(), {0, 0, 20, 5}, "AB", 0, 0);
  EXPECT_EQ(Picture(), ExpectedAB(100, 100));
}

TEST_F(BitmapFontTest, WrapsLinesDownToTheRectanglesBottom) {
  Load();
  // "AB " fills the 12-pixel line with its space; "AB" goes to the next line.
  for (bool clipped : {true, false}) {
    dest->FillRect(kPaper, nullptr);
    const int32_t below = clipped ? font->DrawWrapped(dest.get(), {0, 0, 12, 11}, "AB AB", 5)
                                  : font->DrawWrappedUnclipped(dest.get(), {0, 0, 12, 11}, "AB AB", 5);
    EXPECT_EQ(below, 15);  // lines go on past the text until the bottom
    std::vector<std::string> expected = ExpectedAB(0, 0);
    const std::vector<std::string> second = ExpectedAB(0, 5);
    for (size_t y = 5; y < expected.size(); ++y) expected[y] = second[y];
    EXPECT_EQ(Picture(), expected) << (clipped ? "clipped" : "unclipped");
  }
  for (bool clipped : {true, false}) {
    dest->FillRect(kPaper, nullptr);
    const int32_t below = clipped ? font->DrawWrappedInRect(dest.get(), {0, 0, 20, 5}, "AB", 2, kTextRight)
                                  : font->DrawWrappedInRectUnclipped(dest.get(), {0, 0, 20, 5}, "AB", 2, kTextRight);
    EXPECT_EQ(below, 5);
    EXPECT_EQ(Picture(), ExpectedAB(12, 0)) << (clipped ? "clipped" : "unclipped");
  }
}

struct BadFontCase {
  const char* name;
  std::vector<std::string> detail;
  // What "AB" drawn at (0, 0) and wrapped in (0, 0, 20, 11) gives.
  bool drawsA;
  bool drawsB;
  bool wraps;
};

void PrintTo(const BadFontCase& c, std::ostream* os) { *os << c.name; }

class BadFontTest : public BitmapFontTest, public testing::WithParamInterface<BadFontCase> {};

TEST_P(BadFontTest, DrawsWhatItCanAndNeverLoops) {
  Load(GetParam().detail);
  font->DrawRun(dest.get(), 0, 0, "AB", 2);
  font->DrawRunUnclipped(dest.get(), 0, 0, "AB", 2);
  std::vector<std::string> expected = ExpectedAB(0, 0);
  for (std::string& row : expected) {
    for (char& c : row) {
      if ((c == 'a' && !GetParam().drawsA) || (c == 'b' && !GetParam().drawsB)) c = '.';
    }
  }
  EXPECT_EQ(Picture(), expected);
  const int32_t below = font->DrawWrapped(dest.get(), {0, 0, 20, 11}, "AB AB", 5);
  const int32_t belowInRect = font->DrawWrappedInRectUnclipped(dest.get(), {0, 0, 20, 11}, "AB AB", 5, kTextCenter);
  if (!GetParam().wraps) {
    EXPECT_EQ(below, 0);
    EXPECT_EQ(belowInRect, 0);
    EXPECT_EQ(font->FindWrapWidth("AB AB", 5, 100), 1);
  }
  int32_t count = 0;
  font->MeasureText("AB", 2, count);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, BadFontTest,
    testing::Values(BadFontCase{"HeightZero", {"Height=0"}, false, false, false},
                    BadFontCase{"HeightMissing", {"Height="}, false, false, false},
                    BadFontCase{"CellOutsideTheImage", {"StartCharacter=65", "CharacterCount=2", "RectChars=0,0,4,5 4,0,40,5"},
                                true, false, true},
                    BadFontCase{"CellAboveTheImage", {"StartCharacter=65", "CharacterCount=2", "RectChars=0,-3,4,5 4,0,8,5"},
                                false, true, true},
                    BadFontCase{"InvertedCell", {"StartCharacter=65", "CharacterCount=2", "RectChars=0,5,4,0 4,0,8,5"},
                                false, true, true},
                    BadFontCase{"FewerGroupsThanTheCount", {"StartCharacter=65", "CharacterCount=60", "RectChars=0,0,4,5"},
                                true, false, true},
                    BadFontCase{"BrokenGroup", {"StartCharacter=65", "CharacterCount=2", "RectChars=0,0,4,5 4,0,8"},
                                true, false, true},
                    BadFontCase{"RangePast255", {"StartCharacter=250", "CharacterCount=100"}, false, false, true},
                    BadFontCase{"NoImage", {"FontImageFileName=missing.bmp"}, false, false, true},
                    BadFontCase{"NoImageName", {"FontImageFileName="}, false, false, true},
                    BadFontCase{"NoDescription", {"StartCharacter=", "CharacterCount=", "RectChars="}, false, false,
                                true}),
    [](const testing::TestParamInfo<BadFontCase>& info) { return std::string(info.param.name); });

// The range is tested unsigned: a font reaching past code 127 still draws.
TEST_F(BitmapFontTest, CodesFrom128OnDraw) {
  std::string rects;
  for (int code = 120; code < 130; ++code) rects += code == 128 ? "0,0,4,5 " : "8,0,12,5 ";
  Load({"StartCharacter=120", "CharacterCount=10", "RectChars=" + rects});
  font->DrawRun(dest.get(), 0, 0, "\x80", 1);
  std::vector<std::string> expected = ExpectedAB(0, 0);
  for (std::string& row : expected) std::replace(row.begin(), row.end(), 'b', '.');
  EXPECT_EQ(Picture(), expected);
  EXPECT_EQ(font->MeasureRun("\x80\x81", 2), 8);
}

}  // namespace
