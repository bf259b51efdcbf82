#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DrawFixture.h"
#include "enginefiles/RemapTable.h"
#include "imagefiles/GamePalette.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/files/Bitmap.h"
#include "support/GuardedFrameBuffer.h"
#include "support/ImageCheck.h"

namespace {

// Two squares drawn by the body-queue draw: the far one by the pattern fill (type 15), the
// near one, overlapping it, by the first-pixel fill (type 31).
class BodyQueueDrawTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    BindEngineRasterisers();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      pattern[i] = static_cast<uint8_t>(((i / 64) / 8 + (i % 64) / 8) % 2 ? 136 : 72);
    }
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  // A square of the face type at depth z: its left, top and side in units, showing the
  // whole of its bitmap.
  Face& Square(int32_t type, double z, double left, double top, double side, const Bitmap* texture = nullptr) {
    BodyBuilder& body = NewBody({{Fix(left), Fix(top), Fix(z)},
                                 {Fix(left + side), Fix(top), Fix(z)},
                                 {Fix(left + side), Fix(top - side), Fix(z)},
                                 {Fix(left), Fix(top - side), Fix(z)}});
    Face& face = Drawn(body, body.AddFace({0, 1, 2, 3}));
    face.type = type;
    face.textureBitmap = texture ? texture : &bitmap;
    const Fixedpoint last = static_cast<Fixedpoint>((face.textureBitmap->width - 1) << 16);
    const TexCoord corners[4] = {{0, 0}, {last, 0}, {last, last}, {0, last}};
    for (int i = 0; i < 4; ++i) face.texCoords[i] = corners[i];
    body->position = {0, 0, Fix(z)};
    GivePool(body);
    AddBody(body.get());
    return face;
  }

  // A quad of the face type whose left edge lies at depth zLeft and right edge at depth
  // zRight, its corners' texture coordinates scaled from the unit square as the loader
  // scales them: the fourth word by the bitmap's width - 1, the fifth by its height - 1.
  Face& Quad(int32_t type, const Bitmap& texture, double left, double right, double top, double bottom, double zLeft,
             double zRight) {
    BodyBuilder& body = NewBody({{Fix(left), Fix(top), Fix(zLeft)},
                                 {Fix(right), Fix(top), Fix(zRight)},
                                 {Fix(right), Fix(bottom), Fix(zRight)},
                                 {Fix(left), Fix(bottom), Fix(zLeft)}});
    Face& face = Drawn(body, body.AddFace({0, 1, 2, 3}));
    face.type = type;
    face.textureBitmap = &texture;
    const Fixedpoint u = static_cast<Fixedpoint>((texture.width - 1) << 16);
    const Fixedpoint v = static_cast<Fixedpoint>((texture.height - 1) << 16);
    const TexCoord corners[4] = {{0, 0}, {u, 0}, {u, v}, {0, v}};
    for (int i = 0; i < 4; ++i) face.texCoords[i] = corners[i];
    body->position = {0, 0, Fix((zLeft + zRight) / 2)};
    GivePool(body);
    AddBody(body.get());
    return face;
  }

  GuardedFrameBuffer frame{200, 200, 216};
  std::vector<uint8_t> pattern = std::vector<uint8_t>(64 * 64);
  Bitmap bitmap{64, 64, 0, pattern.data(), nullptr};
};

TEST_F(BodyQueueDrawTest, PatternAndFirstPixelFills) {
  pattern[0] = 200;
  Square(15, 5, -3.5, 3.5, 7);
  Square(31, 4, -1, 1, 2.4);
  DrawQueuedBodies();
  EXPECT_EQ(frame.At(60, 60), pattern[30 * 64 + 30]);
  EXPECT_EQ(frame.At(100, 100), 200);
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 200, 200, 216}, GamePalette(), "engine-body-queue"));
}

}  // namespace

namespace {

// Two windowed walls of type 0 over the pattern: the left one opaque (its windows, texel 0,
// drawn black), the right one with the transparent flag (the pattern shows through).
TEST_F(BodyQueueDrawTest, TexturedFacesWithAndWithoutTheTransparentFlag) {
  std::vector<uint8_t> wall(32 * 32);
  for (std::size_t i = 0; i < wall.size(); ++i) {
    const std::size_t x = i % 32, y = i / 32;
    wall[i] = static_cast<uint8_t>(x % 8 >= 2 && y % 8 >= 2 ? 0 : 112 + (x + y) % 4);
  }
  const Bitmap wallBitmap{32, 32, 0, wall.data(), nullptr};
  Square(15, 5, -3.5, 3.5, 7);
  Square(0, 4, -2.6, 1.2, 2.4, &wallBitmap);
  Square(0, 4, 0.2, 1.2, 2.4, &wallBitmap).flags |= kFaceTransparent;
  DrawQueuedBodies();
  EXPECT_EQ(frame.At(79, 99), 0);
  EXPECT_EQ(frame.At(119, 99), frame.At(119, 35));  // the same pattern row
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 200, 200, 216}, GamePalette(), "engine-body-queue-textured"));
}

}  // namespace

namespace {

// A floor of checks receding from depth 4 to 10 (type 5, edge-corrected) over the
// pattern, with a remap square lightening the floor and the pattern where it lies over
// them (type 11) and a replace square turning the pattern's colour 72 green (type 27).
TEST_F(BodyQueueDrawTest, EdgeCorrectedAndRemapFaces) {
  std::vector<uint8_t> checks(64 * 64);
  for (std::size_t i = 0; i < checks.size(); ++i) checks[i] = static_cast<uint8_t>(((i / 64) / 8 + (i % 64) / 8) % 2 ? 52 : 196);
  const Bitmap checkBitmap{64, 64, 0, checks.data(), nullptr};
  std::vector<uint8_t> lighter = MakeLighteningTable(4);
  std::vector<uint8_t> replace = MakeLighteningTable(0);
  replace[72] = 150;
  const Bitmap lighten{16, 16, 0, lighter.data(), nullptr};
  const Bitmap lawn{16, 16, 72, replace.data(), nullptr};
  Square(15, 14, -10, 10, 20);
  BodyBuilder& floor = NewBody({{Fix(-4), Fix(-2.5), Fix(10)}, {Fix(4), Fix(-2.5), Fix(10)}, {Fix(4), Fix(-2.5), Fix(4)},
                                {Fix(-4), Fix(-2.5), Fix(4)}});
  Face& floorFace = Drawn(floor, floor.AddFace({0, 1, 2, 3}));
  floorFace.type = 5;
  floorFace.textureBitmap = &checkBitmap;
  const TexCoord corners[4] = {{0, 0}, {Fix(63), 0}, {Fix(63), Fix(63)}, {0, Fix(63)}};
  for (int i = 0; i < 4; ++i) floorFace.texCoords[i] = corners[i];
  floor->position = {0, 0, Fix(10)};
  GivePool(floor);
  AddBody(floor.get());
  Square(11, 3.5, -1.2, 0.2, 1.4, &lighten);
  Square(27, 3.5, 0.3, 1.1, 0.8, &lawn);
  DrawQueuedBodies();
  const uint8_t nearEnd = frame.At(100, 160);
  EXPECT_TRUE(nearEnd == 52 || nearEnd == 196) << int{nearEnd};
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 200, 200, 216}, GamePalette(), "engine-body-queue-remap"));
}

// Column-stored pixels (row r is the face's column r): bricks with windows for the wall, a
// picket fence open between its rails.
std::vector<uint8_t> ColumnWallPixels() {
  std::vector<uint8_t> pixels(32 * 32);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::size_t x = i / 32, y = i % 32;
    const bool window = x % 8 >= 2 && x % 8 < 6 && y % 16 >= 4 && y % 16 < 11;
    pixels[i] = static_cast<uint8_t>(window ? 85 : (y % 4 == 3 ? 108 : 100 + (x + y) % 3));
  }
  return pixels;
}

std::vector<uint8_t> FencePixels() {
  std::vector<uint8_t> pixels(32 * 32, 0);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::size_t x = i / 32, y = i % 32;
    if (x % 8 < 2 || (y >= 6 && y < 10) || (y >= 22 && y < 26)) pixels[i] = static_cast<uint8_t>(x % 8 < 2 ? 118 : 122);
  }
  return pixels;
}

// A disc of texels: 1 outside a ring, translucency levels inside it, 0 around.
std::vector<uint8_t> DiscPixels(uint8_t inside) {
  std::vector<uint8_t> pixels(16 * 16, 0);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const int32_t r2 = (2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15);
      if (r2 < 225) pixels[static_cast<std::size_t>(y * 16 + x)] = r2 < 100 ? inside : static_cast<uint8_t>(inside + 2);
    }
  }
  return pixels;
}

class BodyQueueColumnsAndSpritesTest : public BodyQueueDrawTest {
protected:
  // A wall from (x0, z0) to (x1, z1), bottom to top, showing all of the bitmap.
  Face& Wall(int32_t type, double x0, double z0, double x1, double z1, double bottom, double top, const Bitmap& texture) {
    BodyBuilder& body = NewBody({{Fix(x0), Fix(top), Fix(z0)},
                                 {Fix(x1), Fix(top), Fix(z1)},
                                 {Fix(x1), Fix(bottom), Fix(z1)},
                                 {Fix(x0), Fix(bottom), Fix(z0)}});
    Face& face = Drawn(body, body.AddFace({0, 1, 2, 3}));
    face.type = type;
    face.textureBitmap = &texture;
    const Fixedpoint last = static_cast<Fixedpoint>((texture.height - 1) << 16);
    const TexCoord corners[4] = {{0, 0}, {last, 0}, {last, last}, {0, last}};
    for (int i = 0; i < 4; ++i) face.texCoords[i] = corners[i];
    Finish(body, (z0 + z1) / 2);
    return face;
  }

  // A sprite centred at (x, y, z) with the half-size, showing all of the bitmap.
  Face& Sprite(int32_t type, double x, double y, double z, double half, const Bitmap& texture, uint32_t flags) {
    BodyBuilder& body = NewBody({{Fix(x), Fix(y), Fix(z)}, {Fix(x + half), Fix(y + half), Fix(z)}});
    Face& face = Drawn(body, body.AddFace({0, 1}), kFaceSprite | flags);
    face.type = type;
    face.textureBitmap = &texture;
    face.texCoords[0] = {0, 0};
    face.texCoords[1] = {static_cast<Fixedpoint>(texture.width << 16), static_cast<Fixedpoint>(texture.height << 16)};
    Finish(body, z);
    return face;
  }

  void Finish(BodyBuilder& body, double z) {
    body->position = {0, 0, Fix(z)};
    GivePool(body);
    AddBody(body.get());
  }
};

// Over the pattern: a receding brick wall (type 3), a fence in front of it (type 4), a
// textured triangle drawn column by column (type 7), an opaque disc, a transparent one and
// a translucent one (sprites, types 1 and 2), and a wall whose left end lies outside the view.
TEST_F(BodyQueueColumnsAndSpritesTest, WallsFencesColumnPolygonsAndSprites) {
  std::vector<uint8_t> brick = ColumnWallPixels(), fence = FencePixels();
  std::vector<uint8_t> solid = DiscPixels(140), glow = DiscPixels(20);
  const Bitmap brickBitmap{32, 32, 0, brick.data(), nullptr};
  const Bitmap fenceBitmap{32, 32, 0, fence.data(), nullptr};
  const Bitmap solidBitmap{16, 16, 0, solid.data(), nullptr};
  const Bitmap glowBitmap{16, 16, 0, glow.data(), nullptr};
  // Translucency row L darkens a colour by L / 2 shades within its ramp of 16.
  std::vector<uint8_t> translucency(kTranslucencyRows * 256);
  for (std::size_t i = 0; i < translucency.size(); ++i) {
    const int32_t colour = static_cast<int32_t>(i % 256), shades = static_cast<int32_t>(i / 256) / 2;
    translucency[i] = static_cast<uint8_t>(std::max(colour - shades, colour & ~15));
  }
  SetTranslucencyTable(translucency.data(), kTranslucencyRows);
  Square(15, 9, -8, 8, 16);
  Wall(3, -1.5, 5, 3, 8, -2, 2, brickBitmap);
  Wall(4, -3, 4, 0.5, 4, -2, -0.5, fenceBitmap);
  Wall(3, -8, 4.5, -2, 4.5, -1, 1, brickBitmap);
  BodyBuilder& triangle = NewBody({{Fix(1), Fix(1.5), Fix(4)}, {Fix(3), Fix(1.5), Fix(4)}, {Fix(2), Fix(3), Fix(4)}});
  Face& roof = Drawn(triangle, triangle.AddFace({2, 1, 0}));
  roof.type = 7;
  roof.textureBitmap = &brickBitmap;
  roof.texCoords[0] = {Fix(15), 0};
  roof.texCoords[1] = {Fix(31), Fix(31)};
  roof.texCoords[2] = {0, Fix(31)};
  Finish(triangle, 4);
  Sprite(1, -2, 2, 3.5, 0.4, solidBitmap, 0);
  Sprite(1, -1, 2, 3.5, 0.4, solidBitmap, kFaceTransparent);
  Sprite(2, 0.5, -1.5, 3.2, 0.6, glowBitmap, 0x1);
  DrawQueuedBodies();
  SetTranslucencyTable(nullptr, 0);
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 200, 200, 216}, GamePalette(),
                                 "engine-body-queue-columns-and-sprites"));
}

// A checked bitmap of the size: cells of 8 texels in two colours, framed by a border of a
// third, and, where holes is set, a hole of texel 0 in every other dark cell.
std::vector<uint8_t> CheckedTexels(uint32_t width, uint32_t height, uint8_t light, uint8_t dark, uint8_t border,
                                   bool holes) {
  std::vector<uint8_t> texels(static_cast<std::size_t>(width) * height);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t cell = x / 8 + y / 8;
      uint8_t texel = cell % 2 ? dark : light;
      if (holes && cell % 4 == 1 && x % 8 >= 2 && x % 8 < 6 && y % 8 >= 2 && y % 8 < 6) texel = 0;
      if (x == 0 || y == 0 || x + 1 == width || y + 1 == height) texel = border;
      texels[static_cast<std::size_t>(y) * width + x] = texel;
    }
  }
  return texels;
}

// Six walls turned away from the camera over the pattern, one of each perspective type of the
// body table: 13 and 16 in the top row (16-pixel sub-spans, column from the fourth word),
// 19 and 20 in the middle row and 23 and 24 in the bottom one (axes exchanged). The walls
// of types 20 and 24 let the pattern show through their holes; those of 23 and 24 carry a
// bitmap twice as wide as it is high, whose fourth word, scaled by the width, addresses
// rows past the last and is held to it.
TEST_F(BodyQueueDrawTest, PerspectiveTypesDrawCorrectInDepth) {
  std::vector<uint8_t> square = CheckedTexels(64, 64, 30, 88, 104, false);
  std::vector<uint8_t> holed = CheckedTexels(64, 64, 30, 88, 104, true);
  std::vector<uint8_t> wide = CheckedTexels(64, 32, 75, 150, 104, false);
  std::vector<uint8_t> wideHoled = CheckedTexels(64, 32, 75, 150, 104, true);
  const Bitmap squareBitmap{64, 64, 0, square.data(), nullptr};
  const Bitmap holedBitmap{64, 64, 0, holed.data(), nullptr};
  const Bitmap wideBitmap{64, 32, 0, wide.data(), nullptr};
  const Bitmap wideHoledBitmap{64, 32, 0, wideHoled.data(), nullptr};
  Square(15, 12, -12, 12, 24);
  // The left walls recede to the right, the right walls to the left.
  struct Wall {
    int32_t type;
    const Bitmap& texture;
    double left, top, zLeft;
  };
  const Wall walls[] = {{13, squareBitmap, -2.4, 2.2, 3.5},  {16, squareBitmap, 0.2, 2.2, 6},
                        {19, squareBitmap, -2.4, 0.65, 3.5}, {20, holedBitmap, 0.2, 0.65, 6},
                        {23, wideBitmap, -2.4, -0.9, 3.5},   {24, wideHoledBitmap, 0.2, -0.9, 6}};
  for (const Wall& wall : walls) {
    Quad(wall.type, wall.texture, wall.left, wall.left + 2.4, wall.top, wall.top - 1.3, wall.zLeft, 9.5 - wall.zLeft);
  }
  DrawQueuedBodies();
  int32_t shown = 0;
  for (int32_t y = 0; y < 200; ++y) {
    for (int32_t x = 0; x < 200; ++x) shown += frame.At(x, y) == 0;
  }
  EXPECT_EQ(shown, 0);  // texel 0 only in the holes, which the transparent types skip
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 200, 200, 216}, GamePalette(), "engine-body-queue-depth-corrected"));
}

}  // namespace
