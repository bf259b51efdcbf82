#include "pel3d/files/ResourceGroupLoader.h"

#include "Drovane/Arena.h"
#include "pel3d/files/BitmapFile.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/LoadedGroups.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/bodies/TextureColourTable.h"

namespace {

// Builds a group with the reader in a new arena that is the current group arena while the
// reader runs, then lists it. A group that cannot be built or listed gives its arena back.
template <class Reader>
ResourceGroup* BuildGroup(uint32_t firstBlockSize, Reader read) {
  int arena = CreateGroupArena(firstBlockSize);
  if (arena < 0) return nullptr;
  ResourceGroup* group = read();
  EndGroupBuild();
  if (!group) {
    ArenaDestroy(arena);
    return nullptr;
  }
  group->arena = arena;
  if (!AddLoadedGroup(group)) {
    FreeResourceGroup(group);
    return nullptr;
  }
  return group;
}

}  // namespace

ResourceGroup* LoadResourceGroup(const std::string& path, int32_t kind, const std::string& name, uint32_t id) {
  switch (kind) {
    case kGroupBodies:
    case kGroupBodyById: {
      BodyGroupLocation location;
      ResourceGroup* group = LookUpBodyGroup(path, kind, name, id, &location) ? LoadBodyGroupAt(location) : nullptr;
      if (!group) NoteErrorGroup(kind == kGroupBodies ? name : "id " + std::to_string(id));
      return group;
    }
    case kGroupBitmaps:
      return BuildGroup(kGroupArenaSize, [&] { return LoadBitmapFile(path); });
    case kGroupColourMap:
      if (!LookUpColourMap(path, name)) return nullptr;
      return BuildGroup(kColourMapArenaSize, [] { return ReadColourMap(); });
    default:
      return nullptr;
  }
}

ResourceGroup* LoadBodyGroupAt(const BodyGroupLocation& location) {
  return BuildGroup(kGroupArenaSize,
                    [&] { return ReadBodyGroup(location.counts, location.bodyCount, location.bodyOffset); });
}

int FreeResourceGroup(ResourceGroup* group) {
  if (!group || (group->kind != kGroupBodies && group->kind != kGroupBitmaps && group->kind != kGroupColourMap))
    return EngineFail(kErrorNotAGroup, "not a group of bodies, bitmaps or colours");
  RemoveLoadedGroup(group);
  if (group->kind == kGroupBodies) ReleaseBodyGroup(group);
  if (group->kind == kGroupBitmaps) ForgetTextureColourTable(group);
  if (group->arena >= 0) ArenaDestroy(group->arena);
  return 1;
}

int FreeAllResourceGroups() {
  while (ResourceGroup* group = GetLoadedGroup(0))
    if (!FreeResourceGroup(group)) return 0;
  return 1;
}
