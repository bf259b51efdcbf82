#include "ViewedCity.h"

#include "Drovane/DataPaths.h"
#include "cityview/CityCamera.h"
#include "dataset/GroundTiles.h"
#include "game/world/ViewDepth.h"
#include "game/world/ViewGrid.h"
#include "game/world/WorldInit.h"
#include "game/world/WorldLighting.h"
#include "game/world/WorldResources.h"
#include "objectsets/EffectBodies.h"
#include "objectsets/EngineBitmaps.h"
#include "objectsets/ObjectSets.h"
#include "pel3d/math/View.h"

TempFolder* ViewedCity::sData = nullptr;

void ViewedCity::SetUpTestSuite() {
  sData = new TempFolder;
  sData->MakeFolder("bmp");
  sData->MakeFolder("geo");
  std::string error;
  ASSERT_TRUE(WriteEngineBitmaps(sData->System("bmp/PEL3D.BMP"), error)) << error;
  ASSERT_TRUE(WriteGroundTilesStep("", sData->System("bmp/TILED1.BMP"), error)) << error;
  ASSERT_TRUE(WriteObjectSet(sData->System("geo/PEL3D1.ZEF"), "PEL3D1", CityBodies(), true, error)) << error;
  ASSERT_TRUE(WriteObjectSet(sData->System("geo/PEL3D2.ZEF"), "PEL3D2", VehicleBodies(), false, error)) << error;
  ASSERT_TRUE(WriteObjectSet(sData->System("geo/PEL3D3.ZEF"), "PEL3D3", EffectBodies(), false, error)) << error;
}

void ViewedCity::TearDownTestSuite() {
  delete sData;
  sData = nullptr;
}

void ViewedCity::SetUp() {
  bodies.reset();  // the object sets' own bodies stand in the registry instead
  mRoots = {gDataPaths.RootA(), gDataPaths.RootB()};
  gDataPaths.SetRoots(sData->Game(), sData->Game());
  WorldInit();  // no default city in this data set: the test starts its own
  ASSERT_TRUE(WorldBitmapGroup);
  ASSERT_EQ(LoadedObjectSets().size(), 3u);
  frame.assign(static_cast<std::size_t>(GetFrameBufferSize()), 0);
  SetFrameBuffer(frame.data());
  boxes.clear();
}

void ViewedCity::TearDown() {
  SetViewDepth(kDefaultViewDepth);  // the depth outlives the world: the next start reads it
  FreeWorldResources();
  gDataPaths.SetRoots(mRoots.first, mRoots.second);
}

bool ViewedCity::StartAndView(int depth, int cellX, int cellY) {
  if (!Start() || !SetViewDepth(depth)) return false;
  ViewerCell = {cellX, cellY};
  return CenterViewGrid();
}

void ViewedCity::PlaceCamera(int x, int y, int z, int pitch) {
  const CameraPose pose{{Units(x), Units(y), Units(z)}, 0, pitch};
  SetCamera(pose.position, CameraMatrix(pose));
}

void ViewedCity::Light(bool night) { WorldLighting(night ? 1 : 0); }
