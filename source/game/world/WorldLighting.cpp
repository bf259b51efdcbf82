#include "game/world/WorldLighting.h"

#include <algorithm>
#include <vector>

#include "game/world/ViewDepth.h"
#include "game/world/WorldResources.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/Lighting.h"

namespace {

std::vector<CopiedBodiesRelight>& Hooks() {
  static std::vector<CopiedBodiesRelight> hooks;
  return hooks;
}

}  // namespace

void WorldLighting(int32_t night) {
  const LightLevels& levels = night ? kNightLight : kDayLight;
  SetLight(levels.ambient, levels.first, levels.second, levels.vertical);
  for (const ResourceGroup* group : LoadedObjectSets()) {
    for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) LightBodyFaces(GetGroupBody(group, i));
  }
  const std::vector<CopiedBodiesRelight> hooks = Hooks();  // a hook may remove itself
  for (CopiedBodiesRelight hook : hooks) hook();
  SetViewDistance(ViewDistanceOfDepth(ViewRadius()), WorldViewLook(night != 0));
}

void AddCopiedBodiesRelight(CopiedBodiesRelight hook) {
  if (hook && std::find(Hooks().begin(), Hooks().end(), hook) == Hooks().end()) Hooks().push_back(hook);
}

void RemoveCopiedBodiesRelight(CopiedBodiesRelight hook) { std::erase(Hooks(), hook); }
