#include <gtest/gtest.h>

#include <string>

#include "ViewedCity.h"
#include "game/world/DrawVisibleCells.h"
#include "imagefiles/GamePalette.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/math/View.h"
#include "support/ImageCheck.h"

namespace {

struct Look {
  std::string name;
  int depth;
  bool night;
  bool terrainTextures;
};
void PrintTo(const Look& look, std::ostream* out) { *out << look.name; }

// A few blocks of a city seen from a helicopter south of them: streets crossing, a railway,
// a river with its beaches, houses, apartments, offices, towers, a factory, a fire station,
// a helipad and trees.
class WorldViewImage : public ViewedCity, public testing::WithParamInterface<Look> {
protected:
  void BuildCity() {
    for (int x = 0; x < 128; ++x) {
      for (int y = 0; y < 128; ++y) SetAltitude(x, y, 1);
    }
    for (int x = 46; x <= 48; ++x) {
      for (int y = 0; y < 128; ++y) SetAltitude(x, y, 0, 2);
    }
    for (int y = 20; y <= 50; ++y) Block(40, y, 1, 29);  // a street north to south
    for (int x = 30; x <= 45; ++x) Block(x, 36, 1, 30);  // and one east to west
    Block(40, 36, 1, 43);
    for (int x = 30; x <= 45; ++x) Block(x, 28, 1, 45);  // the railway
    Block(40, 28, 1, 64);
    Block(38, 40, 1, 112);
    Block(38, 42, 1, 114);
    Block(36, 38, 2, 120);
    Block(41, 38, 2, 158);
    Block(41, 32, 3, 188);
    Block(36, 31, 3, 190);
    Block(38, 34, 1, 222);
    Block(36, 42, 1, 6);
    Block(37, 43, 1, 8);
    Block(32, 33, 3, 203);
    Block(42, 24, 3, 211);
  }
};

TEST_P(WorldViewImage, ShowsTheCityAsTheWorldDrawsIt) {
  const Look& look = GetParam();
  BuildCity();
  ASSERT_TRUE(StartAndView(look.depth, 39, 46));
  Light(look.night);
  SetTerrainTextures(look.terrainTextures ? 1 : 0);
  PlaceCamera(CentreX(39) + 16, 240, CentreZ(46), 24);
  std::fill(frame.begin(), frame.end(), static_cast<uint8_t>(GetClearColour()));
  DrawVisibleCells(Bitmaps());
  EXPECT_TRUE(assertions.empty());
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.data(), 560, 400, 640}, GamePalette(), "world-view-" + look.name));
}

INSTANTIATE_TEST_SUITE_P(Looks, WorldViewImage,
                         testing::Values(Look{"Depth13Day", 13, false, true}, Look{"Depth13Night", 13, true, true},
                                         Look{"Depth37Day", 37, false, true}, Look{"Depth37Night", 37, true, true},
                                         Look{"Depth13DayUntextured", 13, false, false},
                                         Look{"Depth13NightUntextured", 13, true, false},
                                         Look{"Depth37DayUntextured", 37, false, false},
                                         Look{"Depth37NightUntextured", 37, true, false}),
                         [](const testing::TestParamInfo<Look>& info) { return info.param.name; });

}  // namespace
