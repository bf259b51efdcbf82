#include "game/world/WorldChunks.h"

#include <algorithm>
#include <vector>

#include "Drovane/DebugLog.h"
#include "game/world/WorldGlobals.h"
#include "game/world/WorldLighting.h"

namespace {

std::vector<WorldChunkOwner>& Owners() {
  static std::vector<WorldChunkOwner> owners;
  return owners;
}

// Runs every owner's check; on the first failure the owners already checked drop what they
// kept. True when all passed.
bool CheckAll(RecordFile& file) {
  std::vector<WorldChunkOwner>& owners = Owners();
  for (size_t i = 0; i < owners.size(); ++i) {
    if (!owners[i].check || owners[i].check(file)) continue;
    DebugPrintf("WorldLoad: the saved world's %s are damaged; nothing was loaded.\n", owners[i].name.c_str());
    for (size_t j = 0; j < i; ++j) {
      if (owners[j].discard) owners[j].discard();
    }
    return false;
  }
  return true;
}

}  // namespace

void RegisterWorldChunkOwner(WorldChunkOwner owner) {
  std::vector<WorldChunkOwner>& owners = Owners();
  std::erase_if(owners, [&](const WorldChunkOwner& o) { return o.name == owner.name; });
  auto place = std::upper_bound(owners.begin(), owners.end(), owner.order,
                                [](WorldChunkOrder order, const WorldChunkOwner& o) { return order < o.order; });
  owners.insert(place, std::move(owner));
}

void ClearWorldChunkOwners() { Owners().clear(); }

size_t WorldChunkOwnerCount() { return Owners().size(); }

int32_t WorldSave(RecordFile& file) {
  for (WorldChunkOwner& owner : Owners()) {
    if (!owner.save || owner.save(file)) continue;
    DebugPrintf("WorldSave: the world's %s could not be written.\n", owner.name.c_str());
    return 0;
  }
  return 1;
}

int32_t WorldLoad(RecordFile* file) {
  int32_t loaded = 1;
  if (file) {
    if (CheckAll(*file)) {
      for (WorldChunkOwner& owner : Owners()) {
        if (owner.apply) owner.apply();
      }
    } else {
      loaded = 0;
    }
  }
  WorldLighting(gNightFlag);
  return loaded;
}
