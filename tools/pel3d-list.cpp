// Lists what the 3D engine finds in one of its files:
//   pel3d-list FILE.ZEF     chunks, named groups and id records with their bodies and
//                              faces, and colour maps
//   pel3d-list FILE.BMP     the bitmaps of a bitmap file
// --resource or --bitmaps before the name chooses the format whatever the extension.
// The exit status is 1 when the engine cannot read the file.
#include <cstdio>
#include <string>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/files/CmapDirectory.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/FilePath.h"

namespace {

// The failure on stdout beside the listing, and where it happened on stderr.
int Failed(const char* what) {
  int32_t code = GetLastResourceError();
  std::printf("%s: error %d, %s\n", what, code, EngineErrorText(code));
  std::fprintf(stderr, "pel3d-list: %s\n", DescribeLastResourceError().c_str());
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

double Real(Fixedpoint value) { return value / 65536.0; }

int32_t CountBspNodes(const BspNode* root) {
  int32_t count = 0;
  std::vector<const BspNode*> pending{root};
  while (!pending.empty()) {
    const BspNode* node = pending.back();
    pending.pop_back();
    if (!node) continue;
    ++count;
    pending.push_back(node->first);
    pending.push_back(node->second);
  }
  return count;
}

void ListFace(int32_t number, const Face& face) {
  const Vec3& n = face.plane->normal;
  std::printf("      face %d: type %d, colour %u, texture 0x%X, flags 0x%X, %d corners, normal (%.3f, %.3f, %.3f)\n",
              number, face.type, face.colour, face.textureId, face.flags, face.vertexCount, Real(n.x), Real(n.y),
              Real(n.z));
}

void ListBody(const Body& body) {
  std::printf("    body %u: %d vertices, %d faces, flags 0x%X, radius %.3f, position (%.3f, %.3f, %.3f)", body.id,
              body.vertexCount, body.faceCount, body.flags, Real(body.radius), Real(body.position.x),
              Real(body.position.y), Real(body.position.z));
  if (body.bspRoot) std::printf(", BSP of %d nodes", CountBspNodes(body.bspRoot));
  std::printf("\n");
  const Face* face = body.faces;
  for (int32_t i = 0; i < body.faceCount; ++i, face = face->next) ListFace(i, *face);
}

// Loads the bodies of a group or id record and lists them and their faces.
int ListBodies(const BodyGroupLocation& location) {
  ResourceGroup* group = LoadBodyGroupAt(location);
  if (!group) return Failed("    bodies");
  for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) ListBody(*GetGroupBody(group, i));
  FreeResourceGroup(group);
  return 0;
}

// Every record is listed by its place in its table, so two records of one name are both
// listed as they are.
int ListGeom(const std::string& path) {
  if (!ReadGeomDirectory(path)) return Failed("GEOM");
  std::printf("GEOM: %u named groups, %u id records\n", GetNamedGroupRecordCount(), GetIdRecordCount());
  int status = 0;
  for (uint32_t i = 0; i < GetNamedGroupRecordCount(); ++i) {
    const NamedGroupRecord* record = GetNamedGroupRecord(i);
    std::printf("  group \"%s\": %u bodies at %u, counts %s\n", StoredGroupName(record->name).c_str(),
                record->bodyCount, record->bodyOffset, CountsText(record->counts).c_str());
    status |= ListBodies({record->bodyOffset, record->bodyCount, record->counts});
  }
  for (uint32_t i = 0; i < GetIdRecordCount(); ++i) {
    const IdRecord* record = GetIdRecord(i);
    std::printf("  id %u: body at %u, counts %s\n", record->id, record->bodyOffset,
                CountsText(record->counts).c_str());
    status |= ListBodies({record->bodyOffset, 1, record->counts});
  }
  return status;
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
  CreateApplicationArenas();  // the body loader's scratch arena
  if (argc == 3 && std::string(argv[1]) == "--resource") return InspectResourceFile(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "--bitmaps") return InspectBitmapFile(argv[2]);
  if (argc == 2) return HasResourceExtension(argv[1]) ? InspectResourceFile(argv[1]) : InspectBitmapFile(argv[1]);
  std::fputs("usage: pel3d-list [--resource | --bitmaps] FILE\n", stderr);
  return 2;
}
