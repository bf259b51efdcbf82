// Lists what the 3D engine finds in one of its files:
//   pel3d-inspect FILE.ZEF     chunks, named groups, id records and colour maps
//   pel3d-inspect FILE.BMP     the bitmaps of a bitmap file
// --resource or --bitmaps before the name chooses the format whatever the extension.
// The exit status is 1 when the engine cannot read the file.
#include <cstdio>
#include <string>

#include "pel3d/Bitmap.h"
#include "pel3d/BitmapTable.h"
#include "pel3d/CmapDirectory.h"
#include "pel3d/ColourMap.h"
#include "pel3d/EngineError.h"
#include "pel3d/GeomDirectory.h"
#include "pel3d/ResourceFileFormat.h"
#include "pel3d/ResourceGroup.h"
#include "pel3d/ResourceGroupLoader.h"
#include "pel3d/ResourceReader.h"
#include "platform/FilePath.h"

namespace {

const char* ErrorText(int32_t code) {
  switch (code) {
    case kErrorOpenFailed: return "the file cannot be opened";
    case kErrorShortRead: return "the file is short or its content is damaged";
    case kErrorSeekFailed: return "a seek failed";
    case kErrorOutOfMemory: return "out of memory";
    case kErrorNoChunk: return "no such chunk";
    case kErrorBadTag: return "a chunk's own tag is wrong";
    case kErrorNoGroup: return "no colour map of that name";
    default: return "unexpected failure";
  }
}

int Failed(const char* what) {
  int32_t code = GetLastResourceError();
  std::printf("%s: error %d, %s\n", what, code, ErrorText(code));
  return 1;
}

std::string TagText(uint32_t tag) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    char c = static_cast<char>(tag >> shift);
    text += c >= 0x20 && c < 0x7F ? c : '.';
  }
  return text;
}

std::string CountsText(const GroupCounts& counts) {
  std::string text;
  for (uint32_t value : counts.values) {
    if (!text.empty()) text += ',';
    text += std::to_string(value);
  }
  return text;
}

int ListGeom(const std::string& path) {
  if (!ReadGeomDirectory(path)) return Failed("GEOM");
  std::printf("GEOM: %u named groups, %u id records\n", GetNamedGroupRecordCount(), GetIdRecordCount());
  for (uint32_t i = 0; i < GetNamedGroupRecordCount(); ++i) {
    const NamedGroupRecord* record = GetNamedGroupRecord(i);
    std::printf("  group \"%s\": %u bodies at %u, counts %s\n", StoredGroupName(record->name).c_str(),
                record->bodyCount, record->bodyOffset, CountsText(record->counts).c_str());
  }
  for (uint32_t i = 0; i < GetIdRecordCount(); ++i) {
    const IdRecord* record = GetIdRecord(i);
    std::printf("  id %u: body at %u, counts %s\n", record->id, record->bodyOffset,
                CountsText(record->counts).c_str());
  }
  return 0;
}

int ListColourMaps(const std::string& path) {
  if (!ReadCmapDirectory(path)) return Failed("CMAP");
  std::printf("CMAP: %u colour maps\n", GetColourMapRecordCount());
  int status = 0;
  for (uint32_t i = 0; i < GetColourMapRecordCount(); ++i) {
    const ColourMapRecord* record = GetColourMapRecord(i);
    std::string name = StoredGroupName(record->name);
    std::printf("  colour map \"%s\" at %u", name.c_str(), record->offset);
    ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, name);
    if (!group) {
      status = Failed("");
      continue;
    }
    const uint8_t* colours = GetColourMapPalette(group);
    std::printf(", first colours");
    for (int c = 0; c < 4; ++c) std::printf(" %u,%u,%u", colours[3 * c], colours[3 * c + 1], colours[3 * c + 2]);
    std::printf("\n");
    FreeResourceGroup(group);
  }
  return status;
}

int InspectResourceFile(const std::string& path) {
  if (!ReadChunkDirectory(path)) return Failed(path.c_str());
  std::printf("%s: resource file of %lld bytes, %u chunks\n", path.c_str(),
              static_cast<long long>(GetResourceFileLength()), GetChunkCount());
  for (uint32_t i = 0; i < GetChunkCount(); ++i)
    std::printf("  chunk %u: \"%s\" at %u\n", i, TagText(GetChunk(i)->tag).c_str(), GetChunk(i)->offset);
  int status = 0;
  if (FindChunk(kGeomTag)) status |= ListGeom(path);
  if (FindChunk(kCmapTag)) status |= ListColourMaps(path);
  CloseResourceFile();
  return status;
}

int InspectBitmapFile(const std::string& path) {
  ResourceGroup* group = LoadResourceGroup(path, kGroupBitmaps);
  if (!group) return Failed(path.c_str());
  std::printf("%s: bitmap file, %d bitmaps\n", path.c_str(), GetBitmapCount(group));
  for (int32_t i = 0; i < GetBitmapCount(group); ++i) {
    const Bitmap* bitmap = GetBitmapRecord(group, static_cast<uint32_t>(i));
    std::printf("  bitmap %d: %u x %u, flags 0x%X\n", i, bitmap->width, bitmap->height, bitmap->flags);
  }
  FreeResourceGroup(group);
  return 0;
}

bool HasResourceExtension(const std::string& path) {
  return path.size() >= 4 && platform::EqualIgnoringCase(path.substr(path.size() - 4), ".zef");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--resource") return InspectResourceFile(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--bitmaps") return InspectBitmapFile(argv[2]);
  if (argc == 2) return HasResourceExtension(argv[1]) ? InspectResourceFile(argv[1]) : InspectBitmapFile(argv[1]);
  std::fputs("usage: pel3d-inspect [--resource | --bitmaps] FILE\n", stderr);
  return 2;
}
