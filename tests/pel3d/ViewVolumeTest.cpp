#include <gtest/gtest.h>

#include <vector>

#include "DrawFixture.h"
#include "pel3d/draw/ViewVolume.h"

namespace {

struct OutcodeCase {
  const char* name;
  double x, y, z;
  uint32_t expected;
};

void PrintTo(const OutcodeCase& c, std::ostream* os) { *os << c.name; }

class OutcodeTest : public DrawTest, public ::testing::WithParamInterface<OutcodeCase> {};

// The view of DrawTest: 100 pixels per unit of x/z, clip 0 to 200 pixels, far clip 50.
TEST_P(OutcodeTest, SidesKeepAPixelOfMargin) {
  const OutcodeCase& c = GetParam();
  gView.farClip = Fix(50);
  const TransformedVertex v{Fix(c.x), Fix(c.y), Fix(c.z), nullptr};
  EXPECT_EQ(ViewVolume().Outcode(v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ViewVolume, OutcodeTest,
    ::testing::Values(OutcodeCase{"Centre", 0, 0, 10, 0},
                      OutcodeCase{"OnTheLeftEdge", -10, 0, 10, 0},
                      OutcodeCase{"HalfAPixelLeft", -10.05, 0, 10, 0},
                      OutcodeCase{"TwoPixelsLeft", -10.2, 0, 10, kBeyondLeft},
                      OutcodeCase{"TwoPixelsRight", 10.2, 0, 10, kBeyondRight},
                      OutcodeCase{"HalfAPixelRight", 10.05, 0, 10, 0},
                      OutcodeCase{"TwoPixelsAbove", 0, 10.2, 10, kBeyondTop},
                      OutcodeCase{"TwoPixelsBelow", 0, -10.2, 10, kBeyondBottom},
                      OutcodeCase{"Corner", -20, 20, 10, kBeyondLeft | kBeyondTop},
                      OutcodeCase{"OnTheNearPlane", 0, 0, 3, kBeforeNear},
                      OutcodeCase{"JustInFront", 0, 0, 3.001, 0},
                      OutcodeCase{"OnTheFarPlane", 0, 0, 50, kBeyondFar},
                      OutcodeCase{"JustBeforeFar", 0, 0, 49.999, 0}),
    CaseName<OutcodeCase>);

using ViewVolumeTest = DrawTest;

TEST_F(ViewVolumeTest, NoFarClipAndNoScaleTestNeitherFarNorSides) {
  gView.farClip = 0;
  gView.scaleX = 0;
  EXPECT_EQ(ViewVolume().Outcode({Fix(-1000), 0, Fix(5000), nullptr}), 0u);
}

struct HiddenCase {
  const char* name;
  std::vector<uint32_t> codes;
  bool farClipsAll;
  bool sprites;
  bool hidden;
};

void PrintTo(const HiddenCase& c, std::ostream* os) { *os << c.name; }

class HiddenTest : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(HiddenTest, DecidesFromTheSharedBits) {
  const HiddenCase& c = GetParam();
  VolumeCodes codes;
  for (uint32_t code : c.codes) codes.Add(code);
  EXPECT_EQ(codes.Hidden(c.farClipsAll, c.sprites), c.hidden);
}

INSTANTIATE_TEST_SUITE_P(
    ViewVolume, HiddenTest,
    ::testing::Values(
        HiddenCase{"AllInside", {0, 0}, true, false, false},
        HiddenCase{"AllLeft", {kBeyondLeft, kBeyondLeft | kBeyondTop}, true, false, true},
        HiddenCase{"LeftAndRight", {kBeyondLeft, kBeyondRight}, true, false, false},
        HiddenCase{"LeftWithASprite", {kBeyondLeft, kBeyondLeft}, true, true, false},
        HiddenCase{"LeftButOneDepthClipped", {kBeyondLeft, kBeyondLeft | kBeforeNear}, true, false, false},
        HiddenCase{"AllBeforeNear", {kBeforeNear, kBeforeNear | kBeyondRight}, true, true, true},
        HiddenCase{"AllBeyondFar", {kBeyondFar, kBeyondFar}, true, false, true},
        HiddenCase{"BeyondFarWithAFaceNotFarClipped", {kBeyondFar, kBeyondFar}, false, false, false}),
    CaseName<HiddenCase>);

}  // namespace
