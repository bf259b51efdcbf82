#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Drovane/DataPaths.h"
#include "game/traffic/RoadGraph.h"
#include "game/world/ViewerCell.h"
#include "game/world/ViewDepth.h"
#include "game/world/WorldFrameTime.h"
#include "game/world/WorldTick.h"
#include "game/world/WorldShutdown.h"
#include "game/world/WorldReset.h"
#include "Drovane/Arena.h"
#include "game/WorldAssert.h"
#include "game/world/BuildOMAP.h"
#include "game/world/CitySites.h"
#include "game/world/CityStart.h"
#include "game/world/CityTileBodies.h"
#include "game/world/DyobjArena.h"
#include "game/world/GroundHeight.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldInit.h"
#include "game/world/WorldLighting.h"
#include "game/world/WorldResources.h"
#include "game/world/WorldStage.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/draw/SceneDraw.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/draw/ViewDistance.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/math/View.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kStartedStages = 0x307F;  // tuning to map, then city and roads

// The world started on a data set, message boxes and world assertions recorded.
class WorldStart : public testing::Test {
protected:
  WorldStart() : mRootA(gDataPaths.RootA()), mRootB(gDataPaths.RootB()) {
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string&, uint32_t) {
      boxes.push_back(text);
      return int{platform::IDIGNORE};
    });
    SetWorldAssertRecorder([this](const WorldAssertion& assertion) { boxes.push_back(assertion.expression); });
    UseDataSet(HALVORINE_DATA_SET);
  }
  ~WorldStart() override {
    FreeWorldResources();
    platform::SetMessageBoxHandler({});
    SetWorldAssertRecorder({});
    gDataPaths.SetRoots(mRootA, mRootB);
  }
  void UseDataSet(const std::string& folder) {
    gDataPaths.SetRoots(program.Game(""), platform::ToGamePath(folder));
  }
  // A data set that links to the generated one's files, all but those left out.
  void UseDataSetWithout(const std::string& leftOut) {
    const fs::path source = HALVORINE_DATA_SET;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
      const fs::path relative = fs::relative(entry.path(), source);
      if (entry.is_directory() || relative == leftOut) continue;
      fs::create_directories(fs::path(dataSet.System(relative.string())).parent_path());
      fs::create_symlink(entry.path(), dataSet.System(relative.string()));
    }
    UseDataSet(dataSet.System());
  }

  std::vector<std::string> boxes;
  TempFolder program;
  TempFolder dataSet;

private:
  std::string mRootA;
  std::string mRootB;
};

TEST_F(WorldStart, BuildsPenglandWithoutAnEngineError) {
  EXPECT_EQ(WorldInit(), 1);
  EXPECT_TRUE(boxes.empty()) << boxes.front();
  EXPECT_EQ(WorldReady.load(), 1);
  EXPECT_EQ(WorldStageMask.load(), kStartedStages);
  ASSERT_NE(WorldBitmapGroup, nullptr);
  for (const ResourceGroup* set : gObjectSets) EXPECT_NE(set, nullptr);
  ASSERT_NE(gObjectSetPool, nullptr);
  EXPECT_GE(DyobjArena, 0);
  ASSERT_NE(gCityArrays, nullptr);
  EXPECT_FALSE(gCityFellBack);
  EXPECT_EQ(gOmapCounts.missingBodies, 0);
  // The view as the world starts it.
  EXPECT_EQ(GetRenderSurface(), WorldRenderSurface());
  EXPECT_EQ(GetPixelAspect(), kFixedOne);
  EXPECT_EQ(gGrid.cells, 61);
  EXPECT_EQ(GetFarClip(), 1920 * kFixedOne);
  EXPECT_EQ(gDrawSettings.shadeTable, GetTableRows(WorldBitmapGroup, kDayShadeBitmap).rows);
  EXPECT_EQ(gDrawSettings.remapTables, GetTableRows(WorldBitmapGroup, 51).rows);
  EXPECT_EQ(GetClearColour(), 0x3A3A3A3Au);
  // Far cells: trees left out, offices drawn by their far bodies, which draw themselves.
  constexpr uint32_t kTrees = 6, kOffice = 158;
  EXPECT_EQ(FindBody(TileBodyId(kTrees))->userData, kSkipInFarCells);
  Body* far = FindBody(FarBodyId(kOffice));
  ASSERT_NE(far, nullptr);
  EXPECT_EQ(FindBody(TileBodyId(kOffice))->userData, far);
  EXPECT_EQ(far->userData, nullptr);
  // The grid over the start site stands on the city's ground.
  ViewerCell = {gCitySites.start.x, gCitySites.start.y};
  ASSERT_TRUE(CenterViewGrid());
  const Vec3& corner = gGrid.positions[100];
  EXPECT_EQ(corner.y, GroundHeight(gGrid.origin.x + corner.x, gGrid.origin.z + corner.z));
}

// The colours of every face of every body of the loaded sets.
std::vector<uint32_t> FaceColours(const ResourceGroup* set) {
  std::vector<uint32_t> colours;
  for (int32_t i = 0; i < GetGroupBodyCount(set); ++i) {
    const Body* body = GetGroupBody(set, i);
    const Face* face = body->faces;
    for (int32_t f = 0; f < body->faceCount; ++f, face = face->next) colours.push_back(face->colour);
  }
  return colours;
}

TEST_F(WorldStart, NightRelightsTheBodiesOfEverySet) {
  ASSERT_EQ(WorldInit(), 1);
  std::vector<std::vector<uint32_t>> day;
  for (const ResourceGroup* set : gObjectSets) day.push_back(FaceColours(set));
  WorldLighting(1);
  int32_t setsWithFaces = 0;
  for (std::size_t i = 0; i < gObjectSets.size(); ++i) {
    if (day[i].empty()) continue;  // a set not filled yet
    ++setsWithFaces;
    EXPECT_NE(FaceColours(gObjectSets[i]), day[i]) << "set " << i + 1;
  }
  EXPECT_GE(setsWithFaces, 2);
  EXPECT_EQ(gDrawSettings.shadeTable, GetTableRows(WorldBitmapGroup, kNightShadeBitmap).rows);
  WorldLighting(0);
  for (std::size_t i = 0; i < gObjectSets.size(); ++i) EXPECT_EQ(FaceColours(gObjectSets[i]), day[i]) << "set " << i + 1;
}

TEST_F(WorldStart, AMissingObjectSetIsPassedByAndTheRestServe) {
  UseDataSetWithout("geo/PEL3D2.ZEF");
  EXPECT_EQ(WorldInit(), 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(gObjectSets[1], nullptr);
  ASSERT_NE(gObjectSets[0], nullptr);
  ASSERT_NE(gObjectSets[2], nullptr);
  ASSERT_NE(gObjectSetPool, nullptr);
  for (const ResourceGroup* set : LoadedObjectSets()) {
    for (int32_t i = 0; i < GetGroupBodyCount(set); ++i) EXPECT_EQ(GetGroupBody(set, i)->vertexPool, gObjectSetPool);
  }
  EXPECT_NE(gCityArrays, nullptr);
  WorldLighting(1);
}

TEST_F(WorldStart, WithoutItsBitmapsTheWorldStillStarts) {
  UseDataSetWithout("bmp/PEL3D.BMP");
  EXPECT_EQ(WorldInit(), 1);
  EXPECT_FALSE(boxes.empty());
  EXPECT_EQ(WorldBitmapGroup, nullptr);
  EXPECT_EQ(gDrawSettings.shadeTable, nullptr);
  EXPECT_EQ(gDrawSettings.remapTables, nullptr);
  EXPECT_NE(gCityArrays, nullptr);
}

TEST_F(WorldStart, ARestartReplacesTheCityAndKeepsTheWorldsArenas) {
  ASSERT_EQ(WorldInit(), 1);
  const int arenas = ArenaCount();
  const int dyobjArena = DyobjArena;
  EXPECT_EQ(WorldReset(1), 1);
  EXPECT_EQ(ArenaCount(), arenas);
  EXPECT_EQ(DyobjArena, dyobjArena);
  EXPECT_EQ(WorldStageMask.load(), static_cast<uint32_t>(kStageCity | kStageRoads));
  EXPECT_NE(gCityArrays, nullptr);
  // The new city's roads are a graph again.
  EXPECT_EQ(gRoadGraph.City(), gCityArrays);
  int vertices = 0;
  for (uint8_t length : gRoadGraph.RGLength) vertices += length;
  EXPECT_GT(vertices, 0);
}

TEST_F(WorldStart, NoCityAtAllFailsTheStart) {
  UseDataSetWithout("cities/pengland.mv2");
  EXPECT_EQ(WorldInit(), 0);
  EXPECT_EQ(gCityArrays, nullptr);
}

TEST_F(WorldStart, TheWorldStepRecentresTheGridOnTheViewersCell) {
  ASSERT_EQ(WorldInit(), 1);
  const uint32_t frames = gDrawFrameCounter;
  ViewerCell = {100, 40};
  WorldTick();
  EXPECT_EQ(gDrawFrameCounter, frames + 1);
  EXPECT_EQ(ViewGridFirstCell(), (MapCell{100 - ViewRadius() / 2, 40 - ViewRadius() / 2}));
  EXPECT_FALSE(CenterViewGrid());
}

TEST_F(WorldStart, ShutdownFreesTheCityAndTheMovingObjectsOnce) {
  ASSERT_EQ(WorldInit(), 1);
  const int arenas = ArenaCount();
  WorldShutdown();
  EXPECT_EQ(ArenaCount(), arenas - 2);
  EXPECT_EQ(gCityArrays, nullptr);
  EXPECT_EQ(DyobjArena, -1);
  WorldShutdown();
  EXPECT_EQ(ArenaCount(), arenas - 2);
}

}  // namespace
