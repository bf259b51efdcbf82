#include "pel3d/bodies/BodyConstruction.h"

#include <cstddef>

#include "Drovane/Arena.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/math/Wrap32.h"

namespace {

constexpr uint32_t kPolylineFaceFlags = kFaceProcessed | kFaceLine;
constexpr int32_t kLineFaceType = 20;
constexpr uint32_t kPointFaceFlags = kFaceProcessed | kFaceLinePoint;
// Counts beyond this would need more memory than an arena block can hold.
constexpr int32_t kMaxBuiltVertices = 1 << 20;

// Room for the body record, its vertices, the shared texture coordinates and faces of
// cornersPerFace corners, each record aligned.
std::size_t BlockSize(std::size_t vertices, std::size_t faces, std::size_t cornersPerFace) {
  return sizeof(Body) + vertices * sizeof(Vec3) + 2 * sizeof(TexCoord) +
         faces * (sizeof(Face) + cornersPerFace * sizeof(uint32_t) + alignof(Face)) + alignof(Face);
}

Body* Register(Body* body) {
  if (!AddBody(body)) return EngineFail(kErrorBodyRegistryFull, "the body registry is full");
  return body;
}

}  // namespace

Body* CreatePolylineBody(int32_t vertexCount, uint32_t colour, Fixedpoint segment) {
  if (vertexCount < 1 || vertexCount > kMaxBuiltVertices) return EngineFail(kErrorOutOfMemory, "a vertex count the memory cannot hold");
  const std::size_t n = static_cast<std::size_t>(vertexCount);
  const std::size_t size = BlockSize(n, n - 1, 2);
  void* memory = ArenaAlloc(gGeneralArena, static_cast<uint32_t>(size));
  if (!memory) return EngineFail(kErrorOutOfMemory, "no memory for the body");
  BodyBlock block(memory, size);
  Body* body = block.Take<Body>(1);
  body->vertexCount = vertexCount;
  body->faceCount = vertexCount - 1;
  body->indexCount = 2 * body->faceCount;
  body->radius = wrap32::Mul(segment, vertexCount) >> 1;
  body->vertices = block.Take<Vec3>(n);
  for (int32_t i = 0; i < vertexCount; ++i) body->vertices[i].y = wrap32::Neg(wrap32::Mul(segment, i));
  TexCoord* sharedCoords = block.Take<TexCoord>(2);

  Face** link = &body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i) {
    Face* face = block.Take<Face>(1);
    face->vertexCount = 2;
    face->flags = kPolylineFaceFlags;
    face->colour = colour;
    face->textureId = colour;
    face->type = kLineFaceType;
    face->texCoords = sharedCoords;
    face->indices = block.Take<uint32_t>(2);
    face->indices[0] = static_cast<uint32_t>(i);
    face->indices[1] = static_cast<uint32_t>(i + 1);
    *link = face;
    link = &face->next;
  }
  return Register(body);
}

Body* CreatePointBody(int32_t vertexCount, int32_t faceType) {
  if (vertexCount < 0 || vertexCount > kMaxBuiltVertices) return EngineFail(kErrorOutOfMemory, "a vertex count the memory cannot hold");
  const std::size_t n = static_cast<std::size_t>(vertexCount);
  const std::size_t size = BlockSize(n, n, 1);
  void* memory = ArenaAlloc(gGeneralArena, static_cast<uint32_t>(size));
  if (!memory) return EngineFail(kErrorOutOfMemory, "no memory for the body");
  BodyBlock block(memory, size);
  Body* body = block.Take<Body>(1);
  body->vertexCount = vertexCount;
  body->faceCount = vertexCount;
  body->indexCount = vertexCount;
  body->vertices = block.Take<Vec3>(n);
  TexCoord* sharedCoords = block.Take<TexCoord>(1);

  Face** link = &body->faces;
  for (int32_t i = 0; i < vertexCount; ++i) {
    Face* face = block.Take<Face>(1);
    face->vertexCount = 1;
    face->flags = kPointFaceFlags;
    face->colour = static_cast<uint32_t>(i);
    face->textureId = static_cast<uint32_t>(i);
    face->type = faceType;
    face->texCoords = sharedCoords;
    face->indices = block.Take<uint32_t>(1);
    face->indices[0] = static_cast<uint32_t>(i);
    *link = face;
    link = &face->next;
  }
  return Register(body);
}
