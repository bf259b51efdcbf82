#include "pel3d/draw/BodyTransform.h"

namespace {

bool CanTransform(const Body& body) {
  const VertexPool* pool = body.vertexPool;
  if (!pool || !body.vertices || body.vertexCount <= 0) return false;
  if (!pool->transformedCursor || !pool->projectedCursor) return false;
  // Counted in bytes: the projected base need not lie a whole number of vertices on.
  const auto start = reinterpret_cast<uintptr_t>(pool->transformedCursor);
  const auto end = reinterpret_cast<uintptr_t>(pool->projectedBase);
  return end >= start && static_cast<uintptr_t>(body.vertexCount) <= (end - start) / sizeof(TransformedVertex);
}

}  // namespace

TransformedVertex* TransformBodyVertices(Body& body, const Matrix& m) {
  if (!CanTransform(body)) {
    ForEachFace(body, [](Face& face) { face.screenVertexCount = 0; });
    return nullptr;
  }
  TransformedVertex* transformed = body.vertexPool->transformedCursor;
  for (int32_t i = 0; i < body.vertexCount; ++i) {
    Vec3 view;
    TransformVertex(body.vertices[i], view, m);
    transformed[i] = {view.x, view.y, view.z, nullptr};
  }
  return transformed;
}

VertexOutput ProjectedOutput(const Body& body) {
  return {body.vertexPool->projectedCursor, body.vertexPool->projectedEnd};
}

bool HasValidCorners(const Body& body, const Face& face) {
  if (face.vertexCount <= 0 || !face.indices || !face.texCoords) return false;
  for (int32_t i = 0; i < face.vertexCount; ++i) {
    if (face.indices[i] >= static_cast<uint32_t>(body.vertexCount)) return false;
  }
  return true;
}

FaceCorners CornersOf(const Face& face, TransformedVertex* transformed) {
  return {transformed, face.indices, face.texCoords, face.vertexCount};
}

bool StartFace(const Body& body, Face& face, const VertexOutput& out) {
  face.firstScreenVertex = out.next;
  face.screenVertexCount = 0;
  if (!(face.flags & kFaceProcessed) || (face.flags & kFaceSwitchedOff)) return false;
  return HasValidCorners(body, face);
}
