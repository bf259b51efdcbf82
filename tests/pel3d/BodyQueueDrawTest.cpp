#include <gtest/gtest.h>

#include <vector>

#include "DrawFixture.h"
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

  // A square of the face type at depth z: its left, top and side in units.
  void Square(int32_t type, double z, double left, double top, double side) {
    BodyBuilder& body = NewBody({{Fix(left), Fix(top), Fix(z)},
                                 {Fix(left + side), Fix(top), Fix(z)},
                                 {Fix(left + side), Fix(top - side), Fix(z)},
                                 {Fix(left), Fix(top - side), Fix(z)}});
    Face& face = Drawn(body, body.AddFace({0, 1, 2, 3}));
    face.type = type;
    face.textureBitmap = &bitmap;
    body->position = {0, 0, Fix(z)};
    GivePool(body);
    AddBody(body.get());
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
