#include "pel3d/bodies/BodyCopy.h"

#include <cstdint>
#include <memory>

#include "pel3d/CountOf.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyMeshCopy.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FaceCopy.h"
#include "pel3d/files/EngineError.h"

std::size_t GetBodySize(const Body* body) {
  // Each face may need padding before its record, and the faces after the vertices.
  const std::size_t padding = (CountOf(body->faceCount) + 1) * alignof(Face);
  return GetBodyMeshBytes(body) + CountFaceCorners(body) * sizeof(uint32_t) +
         CountOf(body->vertexCount) * sizeof(Vec3) + padding;
}

Body* CopyBodyInto(const Body* source, void* destination) {
  BodyBlock block(destination, GetBodySize(source));
  Body* copy = block.Take<Body>(1);
  *copy = *source;
  copy->registrySlot = nullptr;
  const std::size_t vertexCount = CountOf(source->vertexCount);
  copy->vertices = block.Take<Vec3>(vertexCount);
  if (!copy->vertices) return EngineFail(kErrorOutOfMemory, "the copy does not fit its room");
  std::uninitialized_copy_n(source->vertices, vertexCount, copy->vertices);

  if (!CopyFaceList(block, *source, *copy, FaceCopyIndices::Copied))
    return EngineFail(kErrorOutOfMemory, "the copy does not fit its room");
  if (!AddBody(copy)) return EngineFail(kErrorBodyRegistryFull, "the body registry is full");
  return copy;
}
