#include <gtest/gtest.h>

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

}  // namespace
