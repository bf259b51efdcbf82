#include <gtest/gtest.h>

#include "platform/PictureMapping.h"

using namespace platform;

namespace {

struct FitCase {
  Point window;
  Point picture;
  int32_t left, top, width, height;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.window.x << "x" << c.window.y; }

class FitPictureTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitPictureTest, KeepsTheAspectAndCentres) {
  const FitCase& c = GetParam();
  PictureFit fit = FitPicture(c.window, c.picture);
  EXPECT_EQ(fit.left, c.left);
  EXPECT_EQ(fit.top, c.top);
  EXPECT_EQ(fit.width, c.width);
  EXPECT_EQ(fit.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Windows, FitPictureTest,
                         testing::Values(FitCase{{640, 480}, {640, 480}, 0, 0, 640, 480},
                                         FitCase{{1280, 960}, {640, 480}, 0, 0, 1280, 960},
                                         FitCase{{1920, 1080}, {640, 480}, 240, 0, 1440, 1080},
                                         FitCase{{800, 1000}, {640, 480}, 0, 200, 800, 600},
                                         FitCase{{0, 480}, {640, 480}, 0, 0, 0, 0},
                                         FitCase{{640, 480}, {0, 0}, 0, 0, 0, 0}));

struct PointCase {
  Point window;
  Point expected;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << c.window.x << "," << c.window.y; }

class WindowToPictureTest : public testing::TestWithParam<PointCase> {};

// A 1920 x 1080 desktop shows a 640 x 480 picture at (240, 0), 1440 x 1080: 2.25 pixels a point.
TEST_P(WindowToPictureTest, UndoesTheScaleAndTheLetterbox) {
  const PointCase& c = GetParam();
  Point point = WindowToPicture(c.window, {1920, 1080}, {640, 480});
  EXPECT_EQ(point.x, c.expected.x);
  EXPECT_EQ(point.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(Points, WindowToPictureTest,
                         testing::Values(PointCase{{240, 0}, {0, 0}},
                                         PointCase{{1679, 1079}, {639, 479}},
                                         PointCase{{960, 540}, {320, 240}},
                                         PointCase{{239, 540}, {-1, 240}},        // just inside the left bar
                                         PointCase{{0, 0}, {-107, 0}},           // far left in the bar
                                         PointCase{{1680, 540}, {640, 240}},     // the right bar
                                         PointCase{{960, -10}, {320, -5}}));     // above, while captured

TEST(WindowToPicture, SameSizeIsTheIdentity) {
  Point point = WindowToPicture({-3, 500}, {640, 480}, {640, 480});
  EXPECT_EQ(point.x, -3);
  EXPECT_EQ(point.y, 500);
}

}  // namespace
