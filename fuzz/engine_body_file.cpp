// The body loader (body groups by name and single bodies by id) and what the engine does
// with loaded bodies: texture scaling, lighting, probes, the segment test and copies.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzEngine.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyCopy.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/BodyHeightProbe.h"
#include "pel3d/bodies/BodyIntersect.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FacingFaces.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "platform/ByteOrder.h"

namespace {

constexpr uint32_t kMostLookUps = 8;
constexpr Fixedpoint kOne = 65536;
volatile int64_t gSink;

// A bitmap file of two small bitmaps, for scaling texture coordinates.
std::vector<uint8_t> TwoBitmaps() {
  std::vector<uint8_t> bytes(16 + 2 * 12);
  platform::WriteLE32(&bytes[8], 2);
  for (uint32_t side : {4u, 2u}) {
    const size_t at = bytes.size();
    bytes.resize(at + 12 + 4 * side + side * side, 7);
    platform::WriteLE32(&bytes[at], side);
    platform::WriteLE32(&bytes[at + 4], side);
    platform::WriteLE32(&bytes[at + 8], 0);
    for (uint32_t row = 0; row < side; ++row) platform::WriteLE32(&bytes[at + 12 + 4 * row], row * side);
  }
  return bytes;
}

// Reads everything of a body the way the draw and the game do.
void ExerciseBody(Body* body) {
  int64_t sum = body->vertexCount;
  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) {
    for (int32_t k = 0; k < face->vertexCount; ++k) {
      sum += int64_t{body->vertices[face->indices[k]].x} + face->texCoords[k].u + face->texCoordCopy[k].v;
    }
    sum += face->plane->point->y;
  }
  LightBodyFaces(body);
  uint32_t word = kProbeNearestSurface;
  Vec3 offset;
  int32_t inside = 0;
  sum += ProbeBodyContact(body, 0, kOne, 0, word, 2 * kOne, kOne, &offset, &inside);
  word = 0;
  sum += ProbeBodyHeightLocal(body, kOne / 2, 3 * kOne, kOne / 2, word, 4 * kOne, &offset, &inside);
  sum += IntersectBody({0, 10 * kOne, 0}, {0, -kOne, 0}, 40 * kOne, {}, body);
  sum += int64_t{GetFacingFaceZ(body, 0, 0, -1, 8 * kOne)} + GetFacingFaceX(body, 0, 0, 1, 8 * kOne);
  std::vector<std::max_align_t> room(GetBodySize(body) / sizeof(std::max_align_t) + 1);
  if (Body* copy = CopyBodyInto(body, room.data())) {
    sum += copy->faceCount;
    RemoveBody(copy);
  }
  gSink = sum;
}

void ExerciseGroup(ResourceGroup* group, ResourceGroup* bitmaps) {
  if (!group) return;
  for (int32_t i = 0; i < GetGroupBodyCount(group); ++i) ExerciseBody(GetGroupBody(group, i));
  if (bitmaps) gSink = ScaleBodyTexCoords(group, bitmaps);
  FreeGroupPool(group);
  FreeResourceGroup(group);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (gScratchArena < 0) CreateApplicationArenas();
  CleanEngine();
  const int arenas = ArenaCount();
  const int32_t bodies = GetRegisteredBodyCount();
  static const std::vector<uint8_t> bitmapBytes = TwoBitmaps();
  ResourceGroup* bitmaps =
      LoadResourceGroup(WriteFuzzFile("FUZZ.BMP", bitmapBytes.data(), bitmapBytes.size()), kGroupBitmaps);
  const std::string path = WriteFuzzFile("FUZZ.ZEF", data, size);
  ExerciseGroup(LoadResourceGroup(path, kGroupBodies, "OBJECTS"), bitmaps);
  if (ReadGeomDirectory(path)) {
    const uint32_t named = std::min(GetNamedGroupRecordCount(), kMostLookUps);
    for (uint32_t i = 0; i < named; ++i) {
      ExerciseGroup(LoadResourceGroup(path, kGroupBodies, StoredGroupName(GetNamedGroupRecord(i)->name)), bitmaps);
    }
    const uint32_t ids = std::min(GetIdRecordCount(), kMostLookUps);
    for (uint32_t i = 0; i < ids; ++i) {
      ExerciseGroup(LoadResourceGroup(path, kGroupBodyById, "", GetIdRecord(i)->id), bitmaps);
    }
  }
  CleanEngineAndCheckArenas(arenas);
  if (GetRegisteredBodyCount() != bodies) {
    std::fprintf(stderr, "bodies left registered: %d before, %d after\n", bodies, GetRegisteredBodyCount());
    std::abort();
  }
  return 0;
}
