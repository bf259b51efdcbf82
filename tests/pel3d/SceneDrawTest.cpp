#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DrawFixture.h"
#include "imagefiles/GamePalette.h"
#include "pel3d/EngineStart.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/draw/TerrainGrid.h"
#include "support/GuardedFrameBuffer.h"
#include "support/ImageCheck.h"
#include "support/TempFolder.h"
#include "support/TestCity.h"

namespace {

// The city drawn into a 640 x 480 buffer with a 560 x 400 view, as the game draws it.
class CityDrawTest : public ::testing::Test {
protected:
  void SetUp() override {
    InitEngine();
    RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
    SetRenderSurface(surface);
    SetPixelAspect(kFixedOne);
    SelectSceneDraw();
    frame.Install();
    ASSERT_TRUE(city.Ready()) << city.Error();
  }
  void TearDown() override { EXPECT_TRUE(frame.BorderUntouched()); }

  void Draw(int32_t depth, bool night, bool terrainTextures = false) {
    CityDriver driver(city, depth, night, true, terrainTextures);
    frame.Clear(static_cast<uint8_t>(GetClearColour()));
    driver.DrawFrame();
  }

  TempFolder folder;
  TestCity city{folder.System()};
  GuardedFrameBuffer frame{560, 400, 640};
};

struct CityCase {
  std::string name;
  int32_t depth;
  bool night;
};

class CityGoldenTest : public CityDrawTest, public ::testing::WithParamInterface<CityCase> {};

TEST_P(CityGoldenTest, MatchesItsImage) {
  Draw(GetParam().depth, GetParam().night);
  EXPECT_GT(gDrawSettings.counters.polygons, 0);
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 560, 400, 640}, GamePalette(), "engine-city-" + GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, CityGoldenTest,
                         ::testing::Values(CityCase{"Depth13Day", 13, false}, CityCase{"Depth13Night", 13, true},
                                           CityCase{"Depth37Day", 37, false},
                                           CityCase{"Depth37Night", 37, true}),
                         CaseName<CityCase>);

// The tiled ground: perspective-correct near the camera, affine in the middle, fogged far.
class CityTerrainGoldenTest : public CityDrawTest, public ::testing::WithParamInterface<CityCase> {};

TEST_P(CityTerrainGoldenTest, MatchesItsImage) {
  Draw(GetParam().depth, GetParam().night, true);
  EXPECT_GT(gDrawSettings.counters.groundPolygons, 0);
  EXPECT_TRUE(MatchesGoldenImage(FrameView{frame.ViewPixels(), 560, 400, 640}, GamePalette(),
                                 "engine-city-terrain-" + GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, CityTerrainGoldenTest,
                         ::testing::Values(CityCase{"Depth13Day", 13, false}, CityCase{"Depth13Night", 13, true},
                                           CityCase{"Depth37Day", 37, false}, CityCase{"Depth37Night", 37, true}),
                         CaseName<CityCase>);

std::vector<const Face*> gDrawnFaces;

// The faces of the body drawn in one frame of the driver, with the record listed in the
// first cells of the list as well as in its own.
int32_t FacesOfBodyDrawn(CityDriver& driver, DrawCell* record, int32_t extraListings) {
  driver.PrepareFrame();
  for (int32_t i = 0; i < extraListings; ++i) gGrid.cellList[i] = record;
  record->drawCountdown = static_cast<int16_t>(1 + extraListings);
  gDrawnFaces.clear();
  for (int32_t id = 0; id < static_cast<int32_t>(RasterId::kCount); ++id) {
    BindRasterRoutine(static_cast<RasterId>(id), [](const DrawBlock& block) {
      if (block.face) gDrawnFaces.push_back(block.face);
    });
  }
  GridViewSetup();
  DrawView();
  for (int32_t id = 0; id < static_cast<int32_t>(RasterId::kCount); ++id) BindRasterRoutine(static_cast<RasterId>(id), nullptr);
  BindEngineRasterisers();
  EXPECT_EQ(record->drawCountdown, 0);
  const Body* body = record->staticObjects->body;
  int32_t drawn = 0;
  for (const Face* face : gDrawnFaces) {
    const Face* f = body->faces;
    for (int32_t i = 0; i < body->faceCount; ++i, f = f->next) drawn += f == face;
  }
  return drawn;
}

TEST_F(CityDrawTest, RecordListedThreeTimesDrawsItsObjectsOnce) {
  CityDriver driver(city, 13, false);
  driver.PrepareFrame();
  DrawCell* record = nullptr;
  for (int32_t i = gGrid.cellCount - 1; i >= 0 && !record; --i) {
    const DrawCell* cell = gGrid.cellList[i];
    const bool building = cell && cell->staticObjects && !(cell->staticObjects->body->faces->flags & kFaceSprite);
    if (building) record = gGrid.cellList[i];
  }
  ASSERT_NE(record, nullptr);
  const int32_t once = FacesOfBodyDrawn(driver, record, 0);
  EXPECT_GT(once, 0);
  EXPECT_EQ(FacesOfBodyDrawn(driver, record, 2), once);
}

TEST(SceneDraw, DrawsNothingBeforeTheGridIsLaidOut) {
  if (gGrid.laidOut) GTEST_SKIP() << "the grid was laid out before";
  SelectSceneDraw();
  gGrid.cellCount = 5;
  DrawView();
  EXPECT_EQ(gDrawSettings.counters.polygons, 0);
}

}  // namespace
