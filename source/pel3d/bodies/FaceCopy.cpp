#include "pel3d/bodies/FaceCopy.h"

#include <cstdint>
#include <memory>

#include "pel3d/CountOf.h"
#include "pel3d/bodies/Body.h"

std::size_t CountFaceCorners(const Body* body) {
  std::size_t corners = 0;
  const Face* face = body->faces;
  for (int32_t i = 0; i < body->faceCount; ++i, face = face->next) corners += CountOf(face->vertexCount);
  return corners;
}

namespace {

Face* CopyFaceInto(BodyBlock& block, const Face& face, FaceCopyIndices indices) {
  Face* copy = block.Take<Face>(1);
  if (!copy) return nullptr;
  *copy = face;
  const std::size_t corners = CountOf(face.vertexCount);
  if (indices == FaceCopyIndices::Copied) {
    copy->indices = block.Take<uint32_t>(corners);
    if (!copy->indices) return nullptr;
    std::uninitialized_copy_n(face.indices, corners, copy->indices);
  }
  copy->texCoords = block.Take<TexCoord>(corners);
  if (!copy->texCoords) return nullptr;
  std::uninitialized_copy_n(face.texCoords, corners, copy->texCoords);
  return copy;
}

}  // namespace

bool CopyFaceList(BodyBlock& block, const Body& source, Body& copy, FaceCopyIndices indices) {
  const Face* face = source.faces;
  Face** link = &copy.faces;
  for (int32_t i = 0; i < source.faceCount; ++i, face = face->next) {
    Face* faceCopy = CopyFaceInto(block, *face, indices);
    if (!faceCopy) return false;
    *link = faceCopy;
    link = &faceCopy->next;
  }
  *link = block.Take<Face>(0);
  return true;
}
