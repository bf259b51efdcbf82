#include "game/world/WorldInit.h"

#include "game/P3Tweak.h"
#include "game/world/DyobjArena.h"
#include "game/world/PrepareObjectSets.h"
#include "game/world/ViewDepth.h"
#include "game/world/WorldReset.h"
#include "game/world/WorldResources.h"
#include "game/world/WorldStage.h"
#include "pel3d/EngineStart.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/math/Projection.h"
#include "pel3d/math/View.h"
#include "pel3d/math/ViewFrameBuffer.h"

namespace {

constexpr uint32_t kEveryByte = 0x01010101u;

void StartEngine() {
  InitEngine();
  SelectSceneDraw();
  SetClearColour(kDaySkyColour * kEveryByte);
  RenderSurface surface = WorldRenderSurface();
  SetRenderSurface(surface);
  ResetViewDisplaySize();  // the full-size display mode
  SetPixelAspect(kFixedOne);
  ComputeViewFrustum();
}

}  // namespace

RenderSurface WorldRenderSurface() { return {0, 0, 560, 400, 0, 640, 480}; }

int32_t WorldInit() {
  WorldStageMask = kStageTuning;
  TweakReadAllSections(kTweakFileName);
  BeginWorldStage(kStageEngine);
  StartEngine();
  BeginWorldStage(kStageResources);
  LoadWorldResources();
  BeginWorldStage(kStageTextures);
  PrepareWorldTextures();
  BeginWorldStage(kStageTerrain);
  SetViewDepth(ViewRadius());
  BeginWorldStage(kStageObjects);
  PrepareObjectSets();
  ScaleObjectSets();
  BeginWorldStage(kStageMap);
  CreateDyobjArena();
  WorldReady = 1;
  return WorldReset(0);
}
