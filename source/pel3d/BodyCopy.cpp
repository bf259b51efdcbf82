#include "pel3d/BodyCopy.h"

#include <cstdint>
#include <memory>
#include <new>

#include "pel3d/Body.h"
#include "pel3d/BodyMeshCopy.h"
#include "pel3d/BodyRegistry.h"
#include "pel3d/EngineError.h"

namespace {

std::size_t CountOf(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

// Hands out the destination's memory in order, each record aligned for its type.
class CopyCursor {
public:
  explicit CopyCursor(void* start) : mNext(reinterpret_cast<uintptr_t>(start)) {}

  template <class T>
  T* Take(std::size_t count) {
    mNext = (mNext + alignof(T) - 1) & ~uintptr_t{alignof(T) - 1};
    T* records = reinterpret_cast<T*>(mNext);
    mNext += count * sizeof(T);
    return records;
  }

private:
  uintptr_t mNext;
};

}  // namespace

std::size_t GetBodySize(const Body* body) {
  // Each face may need padding before its record, and the faces after the vertices.
  const std::size_t padding = (CountOf(body->faceCount) + 1) * alignof(Face);
  return GetBodyMeshBytes(body) + CountOf(body->indexCount) * sizeof(uint32_t) +
         CountOf(body->vertexCount) * sizeof(Vec3) + padding;
}

Body* CopyBodyInto(const Body* source, void* destination) {
  CopyCursor cursor(destination);
  Body* copy = new (cursor.Take<Body>(1)) Body(*source);
  copy->registrySlot = nullptr;
  const std::size_t vertexCount = CountOf(source->vertexCount);
  copy->vertices = cursor.Take<Vec3>(vertexCount);
  std::uninitialized_copy_n(source->vertices, vertexCount, copy->vertices);

  const Face* face = source->faces;
  Face** link = &copy->faces;
  for (int32_t i = 0; i < source->faceCount; ++i, face = face->next) {
    Face* faceCopy = new (cursor.Take<Face>(1)) Face(*face);
    *link = faceCopy;
    link = &faceCopy->next;
    const std::size_t corners = CountOf(face->vertexCount);
    faceCopy->indices = cursor.Take<uint32_t>(corners);
    std::uninitialized_copy_n(face->indices, corners, faceCopy->indices);
    faceCopy->texCoords = cursor.Take<TexCoord>(corners);
    std::uninitialized_copy_n(face->texCoords, corners, faceCopy->texCoords);
  }
  *link = cursor.Take<Face>(0);
  if (!AddBody(copy)) {
    SetLastResourceError(kErrorBodyRegistryFull);
    return nullptr;
  }
  return copy;
}
