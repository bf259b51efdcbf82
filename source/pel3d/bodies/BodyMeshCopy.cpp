#include "pel3d/bodies/BodyMeshCopy.h"

#include "pel3d/CountOf.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FaceCopy.h"
#include "pel3d/files/EngineError.h"

namespace {

// Room beyond the exact size, which the rounding down never eats up.
constexpr std::size_t kMeshSpareBytes = 32;

}  // namespace

std::size_t GetBodyMeshBytes(const Body* body) {
  const std::size_t bytes = sizeof(Body) + CountOf(body->faceCount) * sizeof(Face) +
                            CountFaceCorners(body) * sizeof(TexCoord) + kMeshSpareBytes;
  return bytes & ~std::size_t{15};
}

Body* CopyBodyMesh(const Body* source, void* destination) {
  BodyBlock block(destination, GetBodyMeshBytes(source));
  Body* copy = block.Take<Body>(1);
  *copy = *source;
  copy->registrySlot = nullptr;

  if (!CopyFaceList(block, *source, *copy, FaceCopyIndices::Shared))
    return EngineFail(kErrorOutOfMemory, "the copy does not fit its room");
  return AddBody(copy);
}
