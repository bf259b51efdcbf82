#include "ViewedCity.h"

#include "cityview/CityCamera.h"
#include "dataset/GroundTiles.h"
#include "game/world/ViewDepth.h"
#include "game/world/ViewGrid.h"
#include "objectsets/EffectBodies.h"
#include "objectsets/EngineBitmaps.h"
#include "objectsets/ObjectSets.h"
#include "pel3d/EngineStart.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/ViewDistance.h"
#include "pel3d/math/Projection.h"
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
  InitEngine();
  SelectSceneDraw();
  RenderSurface surface{0, 0, 560, 400, 0, 640, 480};
  SetRenderSurface(surface);
  SetPixelAspect(kFixedOne);
  ComputeViewFrustum();
  frame.assign(static_cast<std::size_t>(GetFrameBufferSize()), 0);
  SetFrameBuffer(frame.data());
  std::vector<EngineSets::SetFile> files;
  for (const char* group : {"PEL3D1", "PEL3D2", "PEL3D3"}) {
    files.push_back({sData->System(std::string("geo/") + group + ".ZEF"), group});
  }
  sets = std::make_unique<EngineSets>(sData->System("bmp"), files);
  ASSERT_TRUE(sets->Ready()) << sets->Error();
}

void ViewedCity::TearDown() { sets.reset(); }

bool ViewedCity::StartAndView(int depth, int cellX, int cellY) {
  if (!Start() || !SetViewDepth(depth)) return false;
  ViewerCell = {cellX, cellY};
  return CenterViewGrid();
}

void ViewedCity::PlaceCamera(int x, int y, int z, int pitch) {
  const CameraPose pose{{Units(x), Units(y), Units(z)}, 0, pitch};
  SetCamera(pose.position, CameraMatrix(pose));
}

void ViewedCity::Light(bool night) {
  const LightLevels& levels = night ? kNightLight : kDayLight;
  SetLight(levels.ambient, levels.first, levels.second, levels.vertical);
  for (const ResourceGroup* group : sets->Groups()) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) LightBodyFaces(GetGroupBody(group, i));
  }
  SetViewDistance(ViewDistanceOfDepth(ViewRadius()), ViewDistanceLook{Bitmaps(), night, false});
}
