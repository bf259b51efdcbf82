// The resource-file reader: chunk directory, "GEOM" and "CMAP" directories, body-group
// look-ups and colour maps.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzEngine.h"
#include "pel3d/files/CmapDirectory.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

constexpr uint32_t kMostLookUps = 8;
volatile uint32_t gSink;

void LoadColourMaps(const std::string& path) {
  if (ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, "CMAP")) gSink = GetColourMapPalette(group)[767];
  if (!ReadCmapDirectory(path)) return;
  uint32_t count = std::min(GetColourMapRecordCount(), kMostLookUps);
  for (uint32_t i = 0; i < count; ++i) {
    std::string name = StoredGroupName(GetColourMapRecord(i)->name);
    if (ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, name)) {
      const uint8_t* palette = GetColourMapPalette(group);
      gSink = palette[0] + palette[kColourMapSize - 1];
    }
  }
}

void LookUpBodyGroups(const std::string& path) {
  BodyGroupLocation location;
  LookUpBodyGroup(path, kGroupBodies, "PEL3D1", 0, &location);
  LoadResourceGroup(path, kGroupBodyById, "", 1);
  if (!ReadGeomDirectory(path)) return;
  uint32_t named = std::min(GetNamedGroupRecordCount(), kMostLookUps);
  for (uint32_t i = 0; i < named; ++i) {
    std::string name = StoredGroupName(GetNamedGroupRecord(i)->name);
    if (LookUpBodyGroup(path, kGroupBodies, name, 0, &location)) gSink = location.counts.values[6];
  }
  uint32_t ids = std::min(GetIdRecordCount(), kMostLookUps);
  for (uint32_t i = 0; i < ids; ++i)
    if (LookUpBodyGroup(path, kGroupBodyById, "", GetIdRecord(i)->id, &location)) gSink = location.bodyCount;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CleanEngine();
  int arenas = ArenaCount();
  std::string path = WriteFuzzFile("FUZZ.ZEF", data, size);
  LoadColourMaps(path);
  LookUpBodyGroups(path);
  CleanEngineAndCheckArenas(arenas);
  return 0;
}
