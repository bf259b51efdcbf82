#include "pel3d/draw/SingleBodyPath.h"

#include <algorithm>

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/BodyTransform.h"
#include "pel3d/draw/DepthClip.h"
#include "pel3d/draw/FaceListing.h"
#include "pel3d/draw/PointFace.h"
#include "pel3d/draw/PolygonDispatch.h"
#include "pel3d/draw/WallClip.h"
#include "pel3d/draw/ScreenClip.h"
#include "pel3d/math/View.h"

namespace {

int32_t ProjectSprite(const Body& body, const Face& face, const FaceCorners& corners, VertexOutput& out) {
  const TransformedVertex& corner = corners.Vertex(0);
  if (corner.z <= kNearClipDepth) return 0;
  return ProjectPointFace(body, face, corner, out);
}

void ProcessFace(const Body& body, Face& face, TransformedVertex* transformed, VertexOutput& out) {
  if (!StartFace(body, face, out)) return;
  const FaceCorners corners = CornersOf(face, transformed);
  if (face.flags & kFaceSprite) {
    face.screenVertexCount = std::max(ProjectSprite(body, face, corners, out), 0);
    return;
  }
  const int32_t written = ClipAndProjectFace(corners, gView.farClip, false, out).written;
  if (written <= 0) return;
  face.screenVertexCount = written;
  if (ScreenWinding(face.firstScreenVertex, written) < 0) face.screenVertexCount = 0;
  ClipFaceToScreen(face, out);
}

}  // namespace

int64_t ScreenWinding(const ScreenVertex* vertices, int32_t count) {
  int64_t sum = 0;
  int32_t previous = count - 1;
  for (int32_t current = 0; current < count; previous = current++) {
    const ScreenVertex& a = vertices[previous];
    const ScreenVertex& b = vertices[current];
    sum += (int64_t{a.x} - b.x) * (int64_t{a.y} + b.y);
  }
  return sum;
}

void ClipFaceToScreen(Face& face, VertexOutput& out) {
  if (face.screenVertexCount <= 0 || (face.flags & kFaceSprite)) return;
  const ScreenClipMode mode{false, (face.flags & kFaceLinearClip) != 0};
  face.screenVertexCount =
      ClipToScreenUnlessWall(face.firstScreenVertex, face.screenVertexCount, BodyRoutineOf(face), mode, out);
}

void ClipAndProjectBodyFaces(Body& body) {
  if (!body.vertexPool) return;
  TransformedVertex* transformed = body.vertexPool->transformedCursor;
  VertexOutput out = ProjectedOutput(body);
  ForEachFace(body, [&](Face& face) { ProcessFace(body, face, transformed, out); });
  body.vertexPool->projectedCursor = out.next;
}

void TransformQueuedBodies() {
  for (int32_t i = 0; i < gBodyQueue.count; ++i) {
    Body* body = gBodyQueue.entries[static_cast<std::size_t>(i)].body;
    if (!body) continue;
    const Matrix& m = (body->flags & kBodyOwnMatrix) ? body->matrix : gView.cameraMatrix;
    if (TransformBodyVertices(*body, m)) ClipAndProjectBodyFaces(*body);
  }
}
