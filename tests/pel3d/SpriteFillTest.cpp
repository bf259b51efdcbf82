#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/raster/FogLevel.h"
#include "pel3d/raster/SpriteFills.h"
#include "support/GuardedFrameBuffer.h"

namespace {

constexpr int32_t kWidth = 128;
constexpr int32_t kHeight = 64;
constexpr int32_t kPitch = 136;
constexpr uint8_t kBackground = 255;
constexpr int32_t kTextureColumns = 16;
constexpr int32_t kTextureRows = 8;

// Texel (column c, row r) of the sprite bitmap is 1 + 16 r + c: a pixel tells what it sampled.
constexpr uint8_t TexelAt(int32_t column, int32_t row) { return static_cast<uint8_t>(1 + kTextureColumns * row + column); }

struct Sample {
  int32_t column;
  int32_t row;
};

class SpriteTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kBackground);
    for (int32_t r = 0; r < kTextureRows; ++r) {
      for (int32_t c = 0; c < kTextureColumns; ++c) texels[static_cast<std::size_t>(r * kTextureColumns + c)] = TexelAt(c, r);
    }
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  // A sprite of centre (x, y) and half-size (hw, hh) in pixels over the texture rectangle
  // u0..u1, v0..v1 (texels).
  static std::vector<ScreenVertex> Sprite(double x, double y, double hw, double hh, double u0 = 0, double u1 = 16,
                                          double v0 = 0, double v1 = 8, Fixedpoint z = Fix(10)) {
    return {{Px(x), Px(y), z, Fix(u0), Fix(v0)}, {Px(hw), Px(hh), 0, Fix(u1), Fix(v1)}};
  }

  void Draw(std::vector<ScreenVertex> vertices, uint32_t flags = 0, void (*routine)(const DrawBlock&) = DrawSprite) {
    face.flags = flags;
    const DrawBlock block{static_cast<int32_t>(vertices.size()), vertices.data(), 0, &texture, nullptr, &face};
    routine(block);
  }

  Sample SampleAt(int32_t x, int32_t y) const {
    const int32_t texel = frame.At(x, y) - 1;
    return {texel % kTextureColumns, texel / kTextureColumns};
  }

  // The columns and rows written, as first and last (-1 when none).
  struct Box {
    int32_t left = -1, right = -1, top = -1, bottom = -1;
    bool operator==(const Box&) const = default;
  };
  Box Drawn() const {
    Box box;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) {
        if (frame.At(x, y) == kBackground) continue;
        if (box.left < 0 || x < box.left) box.left = x;
        if (x > box.right) box.right = x;
        if (box.top < 0) box.top = y;
        box.bottom = y;
      }
    }
    return box;
  }

  std::vector<uint8_t> texels = std::vector<uint8_t>(kTextureColumns * kTextureRows);
  Bitmap texture{kTextureColumns, kTextureRows, 0, texels.data(), nullptr};
  Face face;
  GuardedFrameBuffer frame{kWidth, kHeight, kPitch};
};

std::ostream& operator<<(std::ostream& out, const Sample& s) { return out << "(" << s.column << ", " << s.row << ")"; }
bool operator==(const Sample& a, const Sample& b) { return a.column == b.column && a.row == b.row; }

struct RectangleCase {
  std::string name;
  double x, y, hw, hh;
  int32_t left, right, top, bottom;  // pixels written, inclusive
  Sample first;  // what the top-left pixel sampled
  Sample last;  // what the bottom-right pixel sampled
};

void PrintTo(const RectangleCase& c, std::ostream* out) { *out << c.name; }

class SpriteRectangleTest : public SpriteTest, public ::testing::WithParamInterface<RectangleCase> {};

TEST_P(SpriteRectangleTest, CoversItsRectangleSteppingTheTexture) {
  const RectangleCase& c = GetParam();
  Draw(Sprite(c.x, c.y, c.hw, c.hh));
  const Box box = Drawn();
  EXPECT_EQ(box, (Box{c.left, c.right, c.top, c.bottom}));
  if (c.left < 0) return;
  EXPECT_EQ(SampleAt(c.left, c.top), c.first);
  EXPECT_EQ(SampleAt(c.right, c.bottom), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Sprites, SpriteRectangleTest,
    ::testing::Values(RectangleCase{"OneTexelPerPixel", 100, 50, 8, 4, 92, 107, 46, 53, {0, 0}, {15, 7}},
                      // Twice as wide: each texel column twice.
                      RectangleCase{"HalfWidthSixteen", 100, 50, 16, 4, 84, 115, 46, 53, {0, 0}, {15, 7}},
                      // The left edge 10 pixels left of the clip rectangle: u starts 10 steps on.
                      RectangleCase{"ClippedOnTheLeft", -2, 50, 8, 4, 0, 5, 46, 53, {10, 0}, {15, 7}},
                      RectangleCase{"ClippedOnTop", 20, 1, 8, 4, 12, 27, 0, 4, {0, 3}, {15, 7}},
                      RectangleCase{"ClippedRightAndBottom", 124, 62, 8, 4, 116, 127, 58, 63, {0, 0}, {11, 5}},
                      RectangleCase{"HalfPixelWideIsNothing", 0.5, 50, 0.25, 4, -1, -1, -1, -1, {-1, 0}, {-1, 0}},
                      RectangleCase{"NoHeightIsNothing", 50, 50, 8, 0, -1, -1, -1, -1, {-1, 0}, {-1, 0}},
                      RectangleCase{"WhollyOutsideIsNothing", 200, 50, 8, 4, -1, -1, -1, -1, {-1, 0}, {-1, 0}}),
    CaseName<RectangleCase>);

TEST_F(SpriteTest, DoublesEachTexelColumnAtHalfWidthSixteen) {
  Draw(Sprite(100, 50, 16, 4));
  for (int32_t k = 0; k < 32; ++k) EXPECT_EQ(SampleAt(84 + k, 46).column, k / 2) << k;
}

TEST_F(SpriteTest, ClippedOnTheLeftSamplesFromTheTenthStep) {
  Draw(Sprite(-2, 50, 8, 4));
  for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(SampleAt(x, 46).column, 10 + x) << x;
}

TEST_F(SpriteTest, FractionalLeftEdgeShiftsAllButTheFirstPixel) {
  // Left edge at 92.5, two texels per pixel: the first pixel samples u start, the others the
  // texel at their left edge within the sprite.
  Draw(Sprite(96.5, 50, 4, 4));
  std::vector<int32_t> columns;
  for (int32_t x = 92; x < 100; ++x) columns.push_back(SampleAt(x, 46).column);
  EXPECT_EQ(columns, (std::vector<int32_t>{0, 1, 3, 5, 7, 9, 11, 13}));
}

struct VariantCase {
  std::string name;
  uint32_t flags;
  uint8_t overZero;  // the pixel under texel 0
  uint8_t overFive;  // the pixel under texel 5 (over colour 200)
};

void PrintTo(const VariantCase& c, std::ostream* out) { *out << c.name; }

class SpriteVariantTest : public SpriteTest, public ::testing::WithParamInterface<VariantCase> {};

TEST_P(SpriteVariantTest, WritesByTheFlagsRule) {
  // Translucency row L maps colour c to (L + c) % 256.
  std::vector<uint8_t> table(kTranslucencyRows * 256);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i / 256 + i % 256);
  SetTranslucencyTable(table.data(), kTranslucencyRows);
  texels.assign(texels.size(), 5);
  texels[0] = 0;
  frame.Clear(200);
  Draw(Sprite(8, 4, 8, 4), GetParam().flags);
  EXPECT_EQ(frame.At(0, 0), GetParam().overZero);
  EXPECT_EQ(frame.At(1, 0), GetParam().overFive);
  SetTranslucencyTable(nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(Flags, SpriteVariantTest,
                         ::testing::Values(VariantCase{"Opaque", 0, 0, 5}, VariantCase{"Transparent", 0x10, 200, 5},
                                           VariantCase{"Translucent", 0x1, 200, 205},
                                           // The translucent variant wins over the transparent one.
                                           VariantCase{"TranslucentAndTransparent", 0x11, 200, 205}),
                         CaseName<VariantCase>);

TEST_F(SpriteTest, TranslucentTexelsPickTheirRowByTheLowFiveBits) {
  std::vector<uint8_t> table(kTranslucencyRows * 256);
  table[5 * 256 + 200] = 77;
  table[0 * 256 + 200] = 66;
  SetTranslucencyTable(table.data(), kTranslucencyRows);
  frame.Clear(200);
  texels.assign(texels.size(), 37);
  texels[1] = 5;
  texels[2] = 64;
  Draw(Sprite(8, 4, 8, 4), 0x1);
  EXPECT_EQ(frame.At(0, 0), 77);  // 37 as 5
  EXPECT_EQ(frame.At(1, 0), 77);
  EXPECT_EQ(frame.At(2, 0), 66);  // 64 as row 0
  SetTranslucencyTable(nullptr, 0);
}

TEST_F(SpriteTest, TranslucentSpriteNeedsAWholeTable) {
  std::vector<uint8_t> table(31 * 256, 9);
  for (int32_t rows : {0, 31}) {
    SetTranslucencyTable(rows ? table.data() : nullptr, rows);
    Draw(Sprite(8, 4, 8, 4), 0x1);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
  SetTranslucencyTable(nullptr, 0);
}

TEST_F(SpriteTest, DrawsOnlyFromExactlyTwoVertices) {
  for (std::size_t count : {std::size_t{1}, std::size_t{3}}) {
    std::vector<ScreenVertex> vertices = Sprite(50, 30, 8, 4);
    vertices.resize(count, vertices[0]);
    Draw(vertices);
    Draw(vertices, 0, DrawSpriteFog);
  }
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

TEST_F(SpriteTest, TextureCoordinatesOutsideTheBitmapAreHeldInside) {
  Draw(Sprite(50, 30, 8, 4, -40, 900, -3, 70));
  EXPECT_EQ(SampleAt(42, 26), (Sample{0, 0}));
  EXPECT_EQ(SampleAt(57, 33), (Sample{15, 7}));
}

TEST_F(SpriteTest, SamplesRowsBeyondTheFirst64KilobytesOfPixels) {
  // 256 x 300: rows from 256 on start past 65536 bytes.
  std::vector<uint8_t> big(256 * 300);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i / 256 % 200 + i % 2);
  texture = {256, 300, 0, big.data(), nullptr};
  Draw(Sprite(8, 4, 8, 4, 0, 16, 290, 298));
  for (int32_t y = 0; y < 8; ++y) {
    EXPECT_EQ(frame.At(0, y), (290 + y) % 200) << y;
    EXPECT_EQ(frame.At(1, y), (290 + y) % 200 + 1) << y;
  }
}

// Shade row L maps colour c to 100 + L; the far band's threshold 100.0, range 64.0.
class FarSpriteTest : public SpriteTest {
protected:
  void SetUp() override {
    SpriteTest::SetUp();
    for (std::size_t i = 0; i < shade.size(); ++i) shade[i] = static_cast<uint8_t>(100 + i / 256);
    SetShadeTable(shade.data(), kShadeRows);
    SetFogThreshold(Fix(100));
    SetFogRange(Fix(64));
    texels[1] = 0;
  }
  std::vector<uint8_t> shade = std::vector<uint8_t>(kShadeRows * kShadeRowBytes);
};

TEST_F(FarSpriteTest, UsesTheShadeRowOfTheCentresDepthLeavingTexelZero) {
  struct Case {
    Fixedpoint depth;
    uint8_t colour;
  };
  for (const Case& c : {Case{Fix(100), 100}, Case{Fix(163.9), 131}, Case{Fix(132), 116}}) {
    frame.Clear(kBackground);
    // Opaque and translucent faces alike are drawn transparent.
    Draw(Sprite(8, 4, 8, 4, 0, 16, 0, 8, c.depth), 0x1, DrawSpriteFog);
    EXPECT_EQ(frame.At(0, 0), c.colour);
    EXPECT_EQ(frame.At(1, 0), kBackground);
  }
}

TEST_F(FarSpriteTest, DrawsNothingWithoutAWholeShadeTable) {
  SetShadeTable(shade.data(), 31);
  Draw(Sprite(8, 4, 8, 4), 0, DrawSpriteFog);
  EXPECT_EQ(frame.CountOf(kBackground), kWidth * kHeight);
}

}  // namespace
