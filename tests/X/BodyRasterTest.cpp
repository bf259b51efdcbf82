#include <cmath>
#include <cstring>

#include "BodyRasterFixture.h"
#include "X/Body/BodyDiscs.h"
#include "X/Body/BodyNumbers.h"
#include "X/Body/BodyLimbs.h"
#include "X/Body/FaceTable.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "imagefiles/GamePalette.h"

namespace {

constexpr uint8_t kRed = 100;

TEST(RoundedSquareRoots, RoundToTheNearestWhole) {
  FillRoundedSquareRoots();
  const int32_t cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {6, 2}, {7, 3}, {600, 24}, {624, 25}};
  for (const auto& [i, root] : cases) EXPECT_EQ(RoundedSquareRoot(i), root) << i;
}

struct SpanCase {
  int32_t x1, x2, y;
  int32_t drawn;
};

TEST_F(BodyRasterTest, SpansAreDrawnWholeOrDropped) {
  const SpanCase cases[] = {
      {10, 13, 5, 4},   // one 32-bit word
      {10, 14, 5, 5},   // one byte, then a word
      {0, 63, 5, 64},   // the whole row, to the largest x
      {60, 64, 5, 0},   // x2 one past the largest x: not drawn at all
      {-1, 4, 5, 0},    // a negative end
      {3, 8, 48, 0},    // a row past the largest y
      {3, 8, 47, 6},    // the last row
      {9, 8, 5, 0},     // ends the wrong way round
  };
  for (const SpanCase& c : cases) {
    UseFrame(64, 48, false);
    DrawHorzLine(c.x1, c.x2, c.y, kRed);
    EXPECT_EQ(DrawnCount(), c.drawn) << c.x1 << ".." << c.x2 << " row " << c.y;
    EXPECT_TRUE(OutsideUntouched());
  }
}

TEST_F(BodyRasterTest, PatternSpansSampleWithTheStep) {
  const uint8_t pattern[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  DrawHorzLinePat(10, 14, 2, pattern, 100, 1.0f);
  EXPECT_EQ(std::vector<int>({At(10, 2), At(11, 2), At(12, 2), At(13, 2), At(14, 2)}),
            std::vector<int>({101, 102, 103, 104, 105}));
  DrawHorzLinePat(10, 14, 3, pattern, 0, 2.0f);
  EXPECT_EQ(std::vector<int>({At(10, 3), At(11, 3), At(12, 3), At(13, 3), At(14, 3)}),
            std::vector<int>({1, 3, 5, 7, 9}));
  // Sampling past the pattern's end drops the span.
  DrawHorzLinePat(10, 20, 4, pattern, 0, 1.0f);
  EXPECT_EQ(At(10, 4), kBackground);
}

TEST_F(BodyRasterTest, DotsStayOffTheLastColumnAndRow) {
  const int32_t cases[][3] = {{62, 0, 1}, {63, 0, 0}, {0, 47, 0}, {0, 46, 1}, {-1, 3, 0}};
  for (const auto& [x, y, drawn] : cases) {
    UseFrame(64, 48, false);
    MyPixel(x, y, kRed);
    EXPECT_EQ(DrawnCount(), drawn) << x << "," << y;
  }
  UseFrame(64, 48, true);
  MyPixel(62, 46, kRed);
  EXPECT_EQ(DrawnCount(), 4);
  EXPECT_EQ(At(63, 47), kRed);
  EXPECT_TRUE(OutsideUntouched());
}

TEST_F(BodyRasterTest, DiscSizesAtTheLimits) {
  const int32_t cases[][2] = {{0, 0}, {52, 0}, {-3, 0}, {1, 1}, {2, 2}, {3, 3}, {51, 1}};
  for (const auto& [diameter, someDrawn] : cases) {
    UseFrame(64, 64, false);
    DrawBall(32, 32, 0, 0, diameter, kRed, DiscStyle::kShaded);
    EXPECT_EQ(DrawnCount() > 0, someDrawn > 0) << diameter;
  }
  // A disc of diameter 2 is plain whatever the style: one colour.
  UseFrame(64, 64, false);
  DrawBall(32, 32, 0, 0, 2, kRed, DiscStyle::kStriped);
  EXPECT_EQ(DrawnCount(), 2);
  EXPECT_EQ(At(32, 32), kRed);
  EXPECT_EQ(At(32, 31), kRed);
}

TEST_F(BodyRasterTest, ShadedDiscsRunLightToDark) {
  UseFrame(64, 64, false);
  DrawBall(32, 32, 0, 0, 20, kRed, DiscStyle::kShaded);
  EXPECT_EQ(At(32, 22), kRed + 5);  // the top row, shade d - 1
  EXPECT_EQ(At(32, 41), kRed);      // the bottom row, shade 0
  EXPECT_EQ(At(32, 42), kBackground);
}

TEST_F(BodyRasterTest, DiscStylesMatchTheirImages) {
  UseFrame(160, 56, false);
  DrawBall(26, 28, 0, 0, 51, 132, DiscStyle::kShaded);
  DrawBall(80, 28, 0, 0, 50, 148, DiscStyle::kStriped);
  DrawBall(134, 28, 0, 0, 45, 84, DiscStyle::kPlain);
  DrawBall(134, 28, 0, 0, 7, 228, DiscStyle::kShaded);
  EXPECT_TRUE(MatchesGoldenImage(Frame(), GamePalette(), "people-disc-styles"));
  EXPECT_TRUE(OutsideUntouched());
}

struct LimbCase {
  const char* what;
  int32_t x1, y1, x2, y2, width;
  bool drawn;
};

TEST_F(BodyRasterTest, LimbsAtTheEdges) {
  const LimbCase cases[] = {
      {"width 25", 5, 5, 15, 20, 25, true},
      {"width 26", 5, 5, 15, 20, 26, false},
      {"width 0", 5, 5, 15, 20, 0, false},
      {"end within width - 1 of the right edge", 20, 10, 60, 20, 5, false},
      {"end at width - 1 from the right edge", 20, 10, 59, 20, 5, true},
      {"end within width - 1 of the bottom", 20, 10, 30, 44, 5, false},
      {"negative end", -1, 10, 30, 20, 3, false},
      {"run laid past the left edge", 1, 5, 2, 38, 9, true},
      {"run laid above the top", 5, 1, 40, 2, 9, true},
  };
  for (const LimbCase& c : cases) {
    UseFrame(64, 48, false);
    DrawLine(c.x1, c.y1, 0, c.x2, c.y2, 0, kRed, c.width);
    EXPECT_EQ(DrawnCount() > 0, c.drawn) << c.what;
    EXPECT_TRUE(OutsideUntouched()) << c.what;
    UseFrame(64, 48, false);
    DrawTaperedLine(c.x1, c.y1, 0, c.x2, c.y2, 0, 1, kRed, c.width);
    EXPECT_EQ(DrawnCount() > 0, c.drawn) << "tapered " << c.what;
    EXPECT_TRUE(OutsideUntouched()) << "tapered " << c.what;
  }
}

TEST_F(BodyRasterTest, LimbWalkLeavesOutTheLastPoint) {
  DrawLine(10, 10, 0, 20, 10, 0, kRed, 1);
  EXPECT_EQ(DrawnCount(), 10);
  EXPECT_EQ(At(10, 10), kRed);
  EXPECT_EQ(At(20, 10), kBackground);
}

TEST_F(BodyRasterTest, TaperedLimbsNarrowAlongTheWalk) {
  UseFrame(64, 64, false);
  DrawTaperedLine(30, 2, 0, 30, 42, 0, 4, kRed, 9);
  const auto runWidth = [&](int32_t y) {
    int32_t count = 0;
    for (int32_t x = 0; x < mWidth; ++x) count += At(x, y) != kBackground;
    return count;
  };
  EXPECT_EQ(runWidth(2), 9);
  EXPECT_EQ(runWidth(40), 1);
  // A walk too short for its narrowing draws nothing.
  UseFrame(64, 48, false);
  DrawTaperedLine(30, 10, 0, 30, 12, 0, 4, kRed, 9);
  EXPECT_EQ(DrawnCount(), 0);
}

TEST_F(BodyRasterTest, LimbsMatchTheirImages) {
  UseFrame(96, 64, false);
  DrawLine(8, 6, 0, 40, 50, 0, 84, 12);
  DrawLine(10, 54, 0, 44, 40, 0, 148, 7);
  DrawTaperedLine(60, 6, 0, 78, 48, 0, 5, 100, 15);
  DrawTaperedLine(50, 30, 0, 90, 20, 0, 0, 196, 6);
  EXPECT_TRUE(MatchesGoldenImage(Frame(), GamePalette(), "people-limbs"));
  EXPECT_TRUE(OutsideUntouched());
}

// The turn at which the image's front column faces the viewer.
constexpr float kFront = 3.14159265f * 1.5f;

TEST_F(BodyRasterTest, FacesAtSeveralTurns) {
  UseFrame(200, 44, false);
  const float turns[] = {kFront, kFront + 0.6f, 0.2f, 3.14159265f, 2.4f};
  for (int32_t i = 0; i < 5; ++i) drawface(20 + 40 * i, 21, 0, 18, turns[i], 1.0f, kFaceTable[1 + i % 3 * 3]);
  EXPECT_TRUE(MatchesGoldenImage(Frame(), GamePalette(), "people-faces"));
  EXPECT_TRUE(OutsideUntouched());
}

TEST_F(BodyRasterTest, FacesRefuseWhatTheyCannotDraw) {
  struct FaceCase {
    const char* what;
    int32_t radius;
    float turn;
    uint16_t face;
    bool drawn;
  } cases[] = {
      {"radius 0", 0, kFront, 4, false},
      {"radius 33, the largest the root table serves", 33, kFront, 4, true},
      {"radius 34 reads past the root table", 34, kFront, 4, false},
      {"no such bitmap", 5, kFront, 3, false},
      {"unset face", 5, kFront, kNoFace, false},
      {"turn past a full turn", 5, 7.0f, 4, false},
  };
  for (const FaceCase& c : cases) {
    UseFrame(80, 80, false);
    drawface(40, 40, 0, c.radius, c.turn, 1.0f, c.face);
    EXPECT_EQ(DrawnCount() > 0, c.drawn) << c.what;
    EXPECT_TRUE(OutsideUntouched()) << c.what;
  }
  EXPECT_TRUE(Asserted("must set face before calling drawface"));
  EXPECT_TRUE(Asserted("couldn't get bhdr from that facenum"));
  EXPECT_TRUE(Asserted("psi out of whack"));
}

// Radius 10: the middle row is 15 pixels wide (h = 7), so the image columns run from the
// centre - 7 to the centre + 7.
TEST_F(BodyRasterTest, FaceRowsWrapOneEdgeButNotBoth) {
  const uint8_t* middle = static_cast<const Bitmap*>(GetBitmap(mFaces.Group(), 4))->pixels + 12 * kFaceImageWidth;
  // turn 0.2: t = -5.75 + 8 = 2.25, centre 11: columns 4..18, one piece.
  // A centre of 3 (t = 3.5) reads columns -4..10: the first four from 48..51.
  const float wrapping = (3.5f + 6.0f) * kTwoPi / 8.0f - kTwoPi;
  drawface(40, 20, 0, 10, wrapping, 1.0f, 4);
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(At(33 + i, 20), middle[48 + i]) << i;
  for (int32_t i = 0; i < 11; ++i) EXPECT_EQ(At(37 + i, 20), middle[i]) << i;
  // Aspect 0.25 steps four columns a pixel: 15 pixels span 57 columns, past both edges.
  UseFrame(64, 48, false);
  drawface(30, 20, 0, 10, kFront, 0.25f, 4);
  EXPECT_EQ(At(30, 20), kBackground);
}

}  // namespace
