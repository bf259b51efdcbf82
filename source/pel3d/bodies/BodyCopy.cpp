#include "pel3d/bodies/BodyCopy.h"

#include <cstdint>
#include <memory>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyMeshCopy.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/files/EngineError.h"

namespace {

std::size_t CountOf(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

}  // namespace

std::size_t GetBodySize(const Body* body) {
  // Each face may need padding before its record, and the faces after the vertices.
  const std::size_t padding = (CountOf(body->faceCount) + 1) * alignof(Face);
  return GetBodyMeshBytes(body) + CountOf(body->indexCount) * sizeof(uint32_t) +
         CountOf(body->vertexCount) * sizeof(Vec3) + padding;
}

Body* CopyBodyInto(const Body* source, void* destination) {
  BodyBlock block(destination, GetBodySize(source));
  Body* copy = block.Take<Body>(1);
  *copy = *source;
  copy->registrySlot = nullptr;
  const std::size_t vertexCount = CountOf(source->vertexCount);
  copy->vertices = block.Take<Vec3>(vertexCount);
  std::uninitialized_copy_n(source->vertices, vertexCount, copy->vertices);

  const Face* face = source->faces;
  Face** link = &copy->faces;
  for (int32_t i = 0; i < source->faceCount; ++i, face = face->next) {
    Face* faceCopy = block.Take<Face>(1);
    *faceCopy = *face;
    *link = faceCopy;
    link = &faceCopy->next;
    const std::size_t corners = CountOf(face->vertexCount);
    faceCopy->indices = block.Take<uint32_t>(corners);
    std::uninitialized_copy_n(face->indices, corners, faceCopy->indices);
    faceCopy->texCoords = block.Take<TexCoord>(corners);
    std::uninitialized_copy_n(face->texCoords, corners, faceCopy->texCoords);
  }
  *link = block.Take<Face>(0);
  if (!AddBody(copy)) {
    SetLastResourceError(kErrorBodyRegistryFull);
    return nullptr;
  }
  return copy;
}
