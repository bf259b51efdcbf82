#include "pel3d/bodies/BodyMeshCopy.h"

#include <memory>
#include <new>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyRegistry.h"

namespace {

// Room beyond the exact size, which the rounding down never eats up.
constexpr std::size_t kMeshSpareBytes = 32;

std::size_t CountOf(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

}  // namespace

std::size_t GetBodyMeshBytes(const Body* body) {
  const std::size_t bytes = sizeof(Body) + CountOf(body->faceCount) * sizeof(Face) +
                            CountOf(body->indexCount) * sizeof(TexCoord) + kMeshSpareBytes;
  return bytes & ~std::size_t{15};
}

Body* CopyBodyMesh(const Body* source, void* destination) {
  std::byte* cursor = static_cast<std::byte*>(destination);
  Body* copy = new (cursor) Body(*source);
  copy->registrySlot = nullptr;
  cursor += sizeof(Body);
  copy->faces = reinterpret_cast<Face*>(cursor);

  const Face* face = source->faces;
  for (int32_t i = 0; i < source->faceCount; ++i, face = face->next) {
    Face* faceCopy = new (cursor) Face(*face);
    cursor += sizeof(Face);
    const std::size_t corners = CountOf(face->vertexCount);
    faceCopy->texCoords = reinterpret_cast<TexCoord*>(cursor);
    std::uninitialized_copy_n(face->texCoords, corners, faceCopy->texCoords);
    cursor += corners * sizeof(TexCoord);
    faceCopy->next = reinterpret_cast<Face*>(cursor);
  }
  return AddBody(copy);
}
