#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "imagefiles/GamePalette.h"
#include "pel3d/bodies/ColourRamps.h"

using platform::Rgb;

namespace {

double Luma(const Rgb& c) { return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue; }

// Hue in degrees and saturation 0 to 1.
void HueAndSaturation(const Rgb& c, double& hue, double& saturation) {
  const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  const double range = high - low;
  saturation = high > 0 ? range / high : 0;
  hue = 0;
  if (range == 0) return;
  if (high == r) hue = 60 * std::fmod((g - b) / range + 6, 6.0);
  if (high == g) hue = 60 * ((b - r) / range + 2);
  if (high == b) hue = 60 * ((r - g) / range + 4);
}

double HueDistance(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, 360 - d);
}

const Rgb& At(int index) { return GamePalette()[static_cast<size_t>(index)]; }

}  // namespace

TEST(GamePaletteTest, KeepsTheStaticColours) {
  const struct {
    int index;
    Rgb colour;
  } cases[] = {
      {0, {0, 0, 0}},         {1, {128, 0, 0}},       {6, {0, 128, 128}},       {7, {192, 192, 192}},
      {8, {192, 220, 192}},   {9, {166, 202, 240}},   {246, {255, 251, 240}},   {247, {160, 160, 164}},
      {248, {128, 128, 128}}, {249, {255, 0, 0}},     {252, {0, 0, 255}},       {255, {255, 255, 255}},
  };
  for (const auto& c : cases) EXPECT_EQ(At(c.index), c.colour) << c.index;
}

TEST(GamePaletteTest, EveryRampIsOneHueFromDarkToLight) {
  for (int start = 10; start <= 245;) {
    const ColourRamp* ramp = FindColourRamp(start);
    ASSERT_NE(ramp, nullptr);
    ASSERT_EQ(ramp->start, start);
    double firstHue = -1;
    for (int i = start; i < start + ramp->length; ++i) {
      if (i > start) {
        EXPECT_GT(Luma(At(i)), Luma(At(i - 1))) << "index " << i;
      }
      double hue, saturation;
      HueAndSaturation(At(i), hue, saturation);
      if (saturation < 0.2) continue;
      if (firstHue < 0) firstHue = hue;
      EXPECT_LT(HueDistance(hue, firstHue), 25) << "index " << i;
    }
    start += ramp->length;
  }
}

TEST(GamePaletteTest, TheIndexesTheScreensName) {
  for (int grey : {49, 50, 51, 54}) {
    const Rgb& c = At(grey);
    EXPECT_LE(std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue}), 16) << grey;
    EXPECT_GE(c.blue, c.red) << grey;
  }
  double hue, saturation;
  HueAndSaturation(At(100), hue, saturation);
  EXPECT_LT(HueDistance(hue, 0), 15);
  EXPECT_GT(saturation, 0.5);
  HueAndSaturation(At(157), hue, saturation);
  EXPECT_LT(HueDistance(hue, 120), 15);
  EXPECT_GT(saturation, 0.5);
  for (int light : {21, 58, 63, 189}) EXPECT_GT(Luma(At(light)), 150) << light;
  EXPECT_LT(Luma(At(49)), 60);  // the night sky

  const int distinct[] = {79, 91, 144, 84, 159, 199};
  for (int a : distinct) {
    for (int b : distinct) {
      if (a >= b) continue;
      const double d = std::hypot(At(a).red - At(b).red, At(a).green - At(b).green, At(a).blue - At(b).blue);
      EXPECT_GT(d, 60) << a << " and " << b;
    }
  }
}

TEST(GamePaletteTest, HasHairAndBrownAmongThePaints) {
  double hue, saturation;
  HueAndSaturation(At(120), hue, saturation);
  EXPECT_GT(hue, 15);
  EXPECT_LT(hue, 40);
  EXPECT_LT(Luma(At(120)), 130);
  EXPECT_LT(Luma(At(40)), 60);
}
