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
  if (!record) return EngineFail(kErrorNoGroup, "no colour map of that name");
  if (!ResourceBytesExist(record->offset, kColourMapSize))
    return EngineFail(kErrorBadContent, "the colour map passes the file's end", record->offset);
  return SeekResourceFile(record->offset);
}

ResourceGroup* ReadColourMap() {
  ResourceGroup* group = AllocateGroupHeader();
  if (!group) return nullptr;
  group->palette = static_cast<uint8_t*>(ArenaAlloc(GetCurrentGroupArena(), kColourMapSize));
  if (!group->palette) return EngineFail(kErrorOutOfMemory, "no memory for the colour map");
  if (!ReadResourceBytes(group->palette, kColourMapSize)) return nullptr;
  group->kind = kGroupColourMap;
  return group;
}

uint8_t* GetColourMapPalette(const ResourceGroup* group) { return group->palette; }
