#include "pel3d/files/LoadedGroups.h"

#include <array>
#include <cstddef>

#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

std::array<ResourceGroup*, kMaxLoadedGroups> gLoadedGroups{};
int32_t gLoadedGroupCount = 0;

}  // namespace

int AddLoadedGroup(ResourceGroup* group) {
  if (gLoadedGroupCount == kMaxLoadedGroups) {
    SetLastResourceError(kErrorGroupListFull);
    return 0;
  }
  group->slot = gLoadedGroupCount;
  gLoadedGroups[static_cast<std::size_t>(gLoadedGroupCount++)] = group;
  return 1;
}

void RemoveLoadedGroup(ResourceGroup* group) {
  if (GetLoadedGroup(group->slot) != group) return;
  ResourceGroup* last = gLoadedGroups[static_cast<std::size_t>(gLoadedGroupCount - 1)];
  gLoadedGroups[static_cast<std::size_t>(group->slot)] = last;
  last->slot = group->slot;
  gLoadedGroups[static_cast<std::size_t>(--gLoadedGroupCount)] = nullptr;
}

int32_t GetLoadedGroupCount() { return gLoadedGroupCount; }

ResourceGroup* GetLoadedGroup(int32_t index) {
  if (index < 0 || index >= gLoadedGroupCount) return nullptr;
  return gLoadedGroups[static_cast<std::size_t>(index)];
}
