#include <gtest/gtest.h>

#include <algorithm>

#include "Drovane/BackBuffer.h"
#include "Drovane/DisplayFixture.h"
#include "Drovane/GdiFont.h"
#include "platform/SystemPalette.h"
#include "platform/Windows1252.h"
#include "imagefiles/GamePalette.h"
#include "support/ImageCheck.h"

namespace {

constexpr uint8_t kPaper = 7;
constexpr uint8_t kRedIndex = 249;
constexpr uint8_t kWhiteIndex = 255;

// Where ink or background landed: the bounds of the pixels that changed.
struct Bounds {
  int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  bool Empty() const { return right < left; }
};

class BackBufferTextTest : public DisplayFixture {
protected:
  void SetUp() override {
    DisplayFixture::SetUp();
    platform::ResetSystemPalette();
    buffer = std::make_unique<CBackBuffer>(120, 80);
    buffer->FillRect(kPaper, nullptr);
    buffer->SetFont(new GdiFont("Arial", 16, 0, 0, 1));
    lineHeight = buffer->mpFont->mhFont->CellHeight();
  }
  void TearDown() override {
    buffer.reset();
    DisplayFixture::TearDown();
  }
  int32_t Width(const char* text) const {
    return buffer->mpFont->mhFont->Measure(platform::Windows1252ToUtf8(text));
  }
  Bounds Changed() {
    Bounds bounds;
    const auto rows = PixelRows(*buffer);
    for (int32_t y = 0; y < static_cast<int32_t>(rows.size()); ++y) {
      for (int32_t x = 0; x < buffer->mWidth; ++x) {
        if (rows[y][x] == kPaper) continue;
        bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                  std::max(bounds.bottom, y + 1)};
      }
    }
    return bounds;
  }

  std::unique_ptr<CBackBuffer> buffer;
  int32_t lineHeight = 0;
};

TEST_F(BackBufferTextTest, MeasuringDrawsNothingAndGivesTheExtent) {
  platform::Rect rect{10, 5, 110, 75};
  ASSERT_EQ(buffer->DrawBufferText("one two\r\nthree", -1, kTextMeasure, &rect, nullptr), 0u);
  EXPECT_EQ(rect, (platform::Rect{10, 5, 10 + Width("one two"), 5 + 2 * lineHeight}));
  EXPECT_TRUE(Changed().Empty());
}

TEST_F(BackBufferTextTest, TheSecondFormWritesTheMeasuredEdgesBack) {
  int32_t left = 4, top = 6, right = 100, bottom = 70;
  ASSERT_EQ(buffer->DrawBufferText("Heli", kTextMeasure, &left, &top, &right, &bottom, nullptr), 0u);
  EXPECT_EQ(left, 4);
  EXPECT_EQ(top, 6);
  EXPECT_EQ(right, 4 + Width("Heli"));
  EXPECT_EQ(bottom, 6 + lineHeight);
  // Without a right edge the buffer's width bounds the text: the words break there.
  left = 0;
  top = 0;
  ASSERT_EQ(buffer->DrawBufferText("Heli Heli Heli Heli Heli Heli", kTextMeasure, &left, &top, nullptr, &bottom,
                                   nullptr), 0u);
  EXPECT_EQ(bottom, 2 * lineHeight);
  EXPECT_TRUE(Changed().Empty());
}

TEST_F(BackBufferTextTest, AWordWiderThanTheRectangleStaysWholeOnItsLine) {
  platform::Rect rect{0, 0, 20, 80};
  ASSERT_EQ(buffer->DrawBufferText("a helicopter b", -1, kTextMeasure, &rect, nullptr), 0u);
  EXPECT_EQ(rect.right, Width("helicopter"));
  EXPECT_EQ(rect.bottom, 3 * lineHeight);
}

TEST_F(BackBufferTextTest, TheLengthLimitsTheText) {
  platform::Rect rect{0, 0, 120, 80};
  ASSERT_EQ(buffer->DrawBufferText("Heli copter", 4, kTextMeasure, &rect, nullptr), 0u);
  EXPECT_EQ(rect.right, Width("Heli"));
}

TEST_F(BackBufferTextTest, WindowsBytesAreTheirOwnCharacters) {
  for (const char* text : {"\xE9", "\x80"}) {
    platform::Rect rect{0, 0, 120, 80};
    buffer->DrawBufferText(text, -1, kTextMeasure, &rect, nullptr);
    EXPECT_EQ(rect.right, Width(text)) << text;
  }
  EXPECT_EQ(Width("\xE9"), buffer->mpFont->mhFont->Measure("\xC3\xA9"));
  EXPECT_EQ(Width("\x80"), buffer->mpFont->mhFont->Measure("\xE2\x82\xAC"));
}

struct PlacementCase {
  const char* name;
  uint32_t options;
  // Expected left and top of the ink's line box, from the text's width and the line height.
  int32_t (*left)(int32_t textWidth);
  int32_t (*top)(int32_t lineHeight);
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class BackBufferTextPlacementTest : public BackBufferTextTest, public testing::WithParamInterface<PlacementCase> {};

// Opaque text shows its whole line box in white, so the box's place is exact.
TEST_P(BackBufferTextPlacementTest, PlacesTheLineBox) {
  const PlacementCase& c = GetParam();
  platform::Rect rect{10, 10, 110, 70};
  ASSERT_EQ(buffer->DrawBufferText("Heli", -1, c.options | kTextOpaque, &rect, nullptr), 0u);
  const int32_t width = Width("Heli");
  const Bounds box = Changed();
  EXPECT_EQ(box.left, c.left(width));
  EXPECT_EQ(box.top, c.top(lineHeight));
  EXPECT_EQ(box.right - box.left, width);
  EXPECT_EQ(box.bottom - box.top, lineHeight);
  EXPECT_EQ(PixelRows(*buffer)[box.top][box.left], kWhiteIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BackBufferTextPlacementTest,
    testing::Values(PlacementCase{"left_top", 0, [](int32_t) { return 10; }, [](int32_t) { return 10; }},
                    PlacementCase{"centre", kTextCenter, [](int32_t w) { return 10 + (100 - w) / 2; },
                                  [](int32_t) { return 10; }},
                    PlacementCase{"right", kTextRight, [](int32_t w) { return 110 - w; }, [](int32_t) { return 10; }},
                    PlacementCase{"centre_before_right", kTextCenter | kTextRight,
                                  [](int32_t w) { return 10 + (100 - w) / 2; }, [](int32_t) { return 10; }},
                    PlacementCase{"vertical_centre", kTextVCenter, [](int32_t) { return 10; },
                                  [](int32_t h) { return 10 + (60 - h) / 2; }}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST_F(BackBufferTextTest, TransparentTextLeavesTheBackgroundAndUsesTheTextColour) {
  buffer->mTextColor = 0x00F00000;
  platform::Rect rect{0, 0, 120, 80};
  ASSERT_EQ(buffer->DrawBufferText("Heli", -1, 0, &rect, nullptr), 0u);
  const auto rows = PixelRows(*buffer);
  size_t ink = 0;
  for (const auto& row : rows) {
    for (uint8_t pixel : row) {
      EXPECT_TRUE(pixel == kPaper || pixel == kRedIndex);
      ink += pixel == kRedIndex;
    }
  }
  EXPECT_GT(ink, 0u);
}

TEST_F(BackBufferTextTest, DrawingClipsToTheRectangle) {
  platform::Rect rect{10, 10, 20, 15};
  ASSERT_EQ(buffer->DrawBufferText("Heli copter", -1, kTextOpaque, &rect, nullptr), 0u);
  const Bounds box = Changed();
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 10);
  EXPECT_EQ(box.right, 20);
  EXPECT_EQ(box.bottom, 15);
}

TEST_F(BackBufferTextTest, TheFontArgumentGoesBeforeTheBuffersFont) {
  GdiFont large("Arial", 28, 0, 0, 1);
  platform::Rect rect{0, 0, 120, 80};
  buffer->DrawBufferText("Heli", -1, kTextMeasure, &rect, &large);
  EXPECT_EQ(rect.bottom, large.mhFont->CellHeight());
}

TEST_F(BackBufferTextTest, ABufferWithoutASurfaceAnswers101) {
  CBackBuffer empty;
  platform::Rect rect{0, 0, 10, 10};
  EXPECT_EQ(empty.DrawBufferText("x", -1, 0, &rect, nullptr), kNoSurface);
  int32_t left = 0, top = 0;
  EXPECT_EQ(empty.DrawBufferText("x", 0, &left, &top, nullptr, nullptr, nullptr), kNoSurface);
  EXPECT_EQ(empty.DrawLine(0, 0, 5, 5, 1), kNoSurface);
}

TEST_F(BackBufferTextTest, SetFontReplacesTheFont) {
  EXPECT_EQ(buffer->SetFont(new GdiFont("Arial", 28, 0, 0, 1)), 0u);
  EXPECT_EQ(buffer->mpFont->mHeight, 28);
  EXPECT_EQ(buffer->SetFont(nullptr), 0u);
  EXPECT_FALSE(buffer->mpFont);
}

TEST_F(BackBufferTextTest, DrawLineLeavesOutItsEndPoint) {
  buffer->mPenColor = 0x00FF0000;
  ASSERT_EQ(buffer->DrawLine(2, 3, 6, 3, 1), 0u);
  const auto rows = PixelRows(*buffer);
  for (int32_t x = 2; x < 6; ++x) EXPECT_EQ(rows[3][x], kRedIndex) << x;
  EXPECT_EQ(rows[3][6], kPaper);
  EXPECT_EQ(rows[3][1], kPaper);
}

TEST_F(BackBufferTextTest, DrawLineRebuildsItsPenOnlyOnAChange) {
  buffer->mPenColor = 0x00FF0000;
  buffer->DrawLine(0, 0, 5, 5, 1);
  const uint64_t first = buffer->mhPen->Serial();
  buffer->DrawLine(0, 5, 5, 0, 1);
  EXPECT_EQ(buffer->mhPen->Serial(), first);
  buffer->mPenColor = 0x000000FF;
  buffer->DrawLine(0, 5, 5, 0, 1);
  const uint64_t recoloured = buffer->mhPen->Serial();
  EXPECT_NE(recoloured, first);
  EXPECT_EQ(buffer->mPenColorUsed, 0x000000FFu);
  buffer->DrawLine(0, 5, 5, 0, 3);
  EXPECT_NE(buffer->mhPen->Serial(), recoloured);
  EXPECT_EQ(buffer->mPenWidth, 3);
}

}  // namespace

namespace {

struct ChecksumCase {
  const char* name;
  int32_t height;
  int32_t width;
  uint32_t flags;
  const char* text;
  uint32_t options;
  uint32_t checksum;
};

void PrintTo(const ChecksumCase& c, std::ostream* os) { *os << c.name; }

class TrueTypeTextChecksumTest : public BackBufferTextTest, public testing::WithParamInterface<ChecksumCase> {};

// Text as the TrueType service draws it, one row per face and option; a font library
// update changes these rows and no other image.
TEST_P(TrueTypeTextChecksumTest, DrawsTheSamePixels) {
  const ChecksumCase& c = GetParam();
  GdiFont font("Arial", c.height, c.width, c.flags, 1);
  buffer->mTextColor = 0x00FF0000;
  platform::Rect rect{4, 4, 116, 76};
  ASSERT_EQ(buffer->DrawBufferText(c.text, -1, c.options, &rect, &font), 0u);
  ASSERT_GT(buffer->Lock(), 0);
  const FrameView frame{buffer->mpBits, buffer->mWidth, buffer->mHeight, buffer->mStride};
  EXPECT_TRUE(MatchesTextChecksum(frame, GamePalette(), std::string("text_") + c.name, c.checksum));
  buffer->Unlock();
}

INSTANTIATE_TEST_SUITE_P(
    Faces, TrueTypeTextChecksumTest,
    testing::Values(ChecksumCase{"regular_16", 16, 0, 0, "Heli 42 caf\xE9 \x80", 0, 0xBAEB9B83},
                    ChecksumCase{"bold_28_centred", 28, 0, kFontBold, "Hangar", kTextCenter | kTextVCenter, 0xC0FF910D},
                    ChecksumCase{"italic_underline_strike_12", 12, 0,
                                 kFontItalic | kFontUnderline | kFontStrikeOut, "Mission log", kTextRight, 0xF799599F},
                    ChecksumCase{"wrapped_opaque_12_wide", 12, 8, 0, "The fire is out.\r\nWell done, pilot!",
                                 kTextOpaque, 0x87C1D1B7}),
    [](const testing::TestParamInfo<ChecksumCase>& info) { return info.param.name; });

}  // namespace
