#include "pel3d/bodies/BodyGroup.h"

#include "Drovane/Arena.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyReader.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceByteSource.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/bodies/VertexPool.h"

namespace {

// In-memory room per counted item, with room for aligning each face's plane and each body.
constexpr uint64_t kNodeBytes = sizeof(BspNode);
constexpr uint64_t kCornerBytes = sizeof(uint32_t) + sizeof(TexCoord);
constexpr uint64_t kFaceBytes = sizeof(Face) + sizeof(Plane) + alignof(Plane);
constexpr uint64_t kVertexBytes = sizeof(Vec3);
constexpr uint64_t kBodyBytes = sizeof(Body) + alignof(Body);
// The largest block an arena can hand out.
constexpr uint64_t kLargestBlock = UINT32_MAX - kArenaAlignment;

uint64_t Count(const GroupCounts& counts, int which) { return counts.values[which]; }

// Whether every count can be true of the bytes the file still holds.
bool CountsFitTheFile(const ResourceByteSource& file, const GroupCounts& counts, uint32_t bodyCount) {
  return file.Holds(bodyCount, kMinimumBodySize) && file.Holds(Count(counts, kCountBspNodes), kBspNodeSize) &&
         file.Holds(Count(counts, kCountIndices), kFaceCornerSize) &&
         file.Holds(Count(counts, kCountFaces), kFaceHeaderSize) &&
         file.Holds(Count(counts, kCountVertices), kVertexRecordSize);
}

uint64_t BlockSize(const GroupCounts& counts, uint32_t bodyCount) {
  return kNodeBytes * Count(counts, kCountBspNodes) + kCornerBytes * Count(counts, kCountIndices) +
         kFaceBytes * Count(counts, kCountFaces) + kVertexBytes * Count(counts, kCountVertices) +
         kBodyBytes * bodyCount;
}

// The most file bytes bodies of these counts can take (a tree's empty markers are two bytes
// each, one more than its nodes), so that one read usually brings in the whole group.
uint64_t MostFileBytes(const GroupCounts& counts, uint32_t bodyCount) {
  return (kMinimumBodySize + kBspHeaderSize + kBspFaceNumberSize) * uint64_t{bodyCount} +
         (kBspNodeSize + kBspFaceNumberSize) * Count(counts, kCountBspNodes) +
         kFaceCornerSize * Count(counts, kCountIndices) + kFaceHeaderSize * Count(counts, kCountFaces) +
         kVertexRecordSize * Count(counts, kCountVertices);
}

// Undoes what the bodies read so far left outside the group arena.
ResourceGroup* Abandon(ResourceGroup* group, int32_t bodiesRead) {
  NoteErrorBody(bodiesRead);
  for (int32_t i = 0; i < bodiesRead; ++i) RemoveBody(group->bodies[i]);
  ArenaDestroy(group->textureCoordArena);
  group->textureCoordArena = -1;
  return nullptr;
}

}  // namespace

ResourceGroup* ReadBodyGroup(const GroupCounts& counts, uint32_t bodyCount, uint32_t fileOffset) {
  if (!RequireGroupArena()) return nullptr;
  ResourceByteSource file(fileOffset, MostFileBytes(counts, bodyCount));
  if (!CountsFitTheFile(file, counts, bodyCount))
    return EngineFail(kErrorBadContent, "the group's counts pass the file's end", fileOffset);
  const uint64_t blockSize = BlockSize(counts, bodyCount);
  const uint64_t coordBytes = sizeof(TexCoord) * Count(counts, kCountIndices);
  if (blockSize > kLargestBlock || coordBytes > kLargestBlock)
    return EngineFail(kErrorOutOfMemory, "the group's counts need more than 4 GB");

  const int arena = GetCurrentGroupArena();
  ResourceGroup* group = AllocateGroupHeader();
  if (!group) return nullptr;
  group->bodies = ArenaNewArray<Body*>(arena, bodyCount);
  void* block = ArenaAlloc(arena, static_cast<uint32_t>(blockSize));
  if (!group->bodies || !block) return EngineFail(kErrorOutOfMemory, "no memory for the group's block");
  group->textureCoordArena = ArenaCreate(static_cast<uint32_t>(coordBytes));
  if (group->textureCoordArena < 0) return EngineFail(kErrorOutOfMemory, "no arena for the texture coordinates");

  BodyBlock bodies(block, blockSize);
  for (uint32_t i = 0; i < bodyCount; ++i) {
    group->bodies[i] = ReadBody(file, bodies, group->textureCoordArena);
    if (!group->bodies[i]) return Abandon(group, static_cast<int32_t>(i));
  }
  group->data = block;
  group->kind = kGroupBodies;
  group->slot = 0;
  group->count = static_cast<int32_t>(bodyCount);
  return group;
}

int32_t GetGroupBodyCount(const ResourceGroup* group) { return group->count; }

Body* GetGroupBody(const ResourceGroup* group, int32_t index) {
  if (index < 0 || index >= group->count) return nullptr;
  return group->bodies[index];
}

void AttachGroupVertexPool(const ResourceGroup* group, VertexPool* pool) {
  for (int32_t i = 0; i < group->count; ++i) AttachVertexPool(group->bodies[i], pool);
}

void FreeGroupPool(ResourceGroup* group) {
  if (group->kind != kGroupBodies || group->textureCoordArena < 0) return;
  for (int32_t i = 0; i < group->count; ++i) {
    Face* face = group->bodies[i]->faces;
    for (int32_t f = 0; f < group->bodies[i]->faceCount; ++f, face = face->next) face->texCoordCopy = nullptr;
  }
  ArenaDestroy(group->textureCoordArena);
  group->textureCoordArena = -1;
}

void ReleaseBodyGroup(ResourceGroup* group) {
  for (int32_t i = 0; i < group->count; ++i) RemoveBody(group->bodies[i]);
  FreeGroupPool(group);
}
