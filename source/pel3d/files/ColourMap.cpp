#include "pel3d/files/ColourMap.h"

#include "Drovane/Arena.h"
#include "pel3d/files/CmapDirectory.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceReader.h"

int LookUpColourMap(const std::string& path, const std::string& name) {
  if (!ReadCmapDirectory(path)) return 0;
  const ColourMapRecord* record = FindColourMapRecord(name);
  if (!record) {
    SetLastResourceError(kErrorNoGroup);
    return 0;
  }
  if (!ResourceBytesExist(record->offset, kColourMapSize)) {
    SetLastResourceError(kErrorShortRead);
    return 0;
  }
  return SeekResourceFile(record->offset);
}

ResourceGroup* ReadColourMap() {
  ResourceGroup* group = AllocateGroupHeader();
  if (!group) return nullptr;
  group->palette = static_cast<uint8_t*>(ArenaAlloc(GetCurrentGroupArena(), kColourMapSize));
  if (!group->palette) {
    SetLastResourceError(kErrorOutOfMemory);
    return nullptr;
  }
  if (!ReadResourceBytes(group->palette, kColourMapSize)) return nullptr;
  group->kind = kGroupColourMap;
  return group;
}

uint8_t* GetColourMapPalette(const ResourceGroup* group) { return group->palette; }
