#include "pel3d/draw/FaceProcessing.h"

#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/BodyTransform.h"
#include "pel3d/draw/DepthClip.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FaceListing.h"
#include "pel3d/draw/PointFace.h"
#include "pel3d/draw/ViewVolume.h"
#include "pel3d/math/View.h"

CellObjectSpace gCellObjectSpace;

namespace {

constexpr int32_t kRemapFaceType = 11;

// The axis a face's plane is perpendicular to, or -1 for none.
int AxisOf(uint32_t flags) {
  if (flags & kFaceAlongX) return 0;
  if (flags & kFaceAlongY) return 1;
  if (flags & kFaceAlongZ) return 2;
  return -1;
}

// A point face's screen vertices, when 3.0 < z < far clip (never while the far clip is 0).
int32_t ProjectPoint(const Body& body, const Face& face, const FaceCorners& corners, VertexOutput& out) {
  const TransformedVertex& corner = corners.Vertex(0);
  if (corner.z <= kNearClipDepth || corner.z >= gView.farClip) return 0;
  return ProjectPointFace(body, face, corner, out);
}

void ProcessFace(const Body& body, Face& face, TransformedVertex* transformed, const Vec3& camera, VertexOutput& out) {
  if (!StartFace(body, face, out)) return;
  const FaceCorners corners = CornersOf(face, transformed);
  int32_t written = 0;
  if (face.flags & kFaceSprite) {
    written = ProjectPoint(body, face, corners, out);
  } else {
    if (!IsLineFace(face) && !FaceFacesCamera(face, camera)) return;
    const Fixedpoint far = (face.flags & kFaceNoFarClip) ? 0 : gView.farClip;
    written = ClipAndProjectFace(corners, far, IsLineFace(face), out).written;
  }
  face.screenVertexCount = written > 0 ? written : 0;
  AddFaceToPolygonList(face, out);
}

// No face of the body can reach the screen, judged from its vertices without a face's work.
bool OutOfView(Body& body, const TransformedVertex* transformed) {
  if (body.vertexCount <= 0) return false;
  const VolumeCodes codes = CodesOf(ViewVolume(), transformed, body.vertexCount);
  if (codes.all == 0) return false;
  bool farClipsAll = true;
  bool sprites = false;
  ForEachFace(body, [&](const Face& face) {
    farClipsAll = farClipsAll && !(face.flags & kFaceNoFarClip);
    sprites = sprites || (face.flags & kFaceSprite);
  });
  return codes.Hidden(farClipsAll, sprites);
}

}  // namespace

bool FaceFacesCamera(const Face& face, const Vec3& camera) {
  const Plane* plane = face.plane;
  if (face.flags & kFaceGeneralPlane) {
    if (face.type == kRemapFaceType) return true;
    if (!plane || !plane->point) return false;
    const Vec3& v = *plane->point;
    Fixedpoint dot = FixMul(plane->normal.x, wrap32::Sub(v.x, camera.x));
    dot = wrap32::Add(dot, FixMul(plane->normal.y, wrap32::Sub(v.y, camera.y)));
    dot = wrap32::Add(dot, FixMul(plane->normal.z, wrap32::Sub(v.z, camera.z)));
    return dot >= 0;
  }
  const int axis = AxisOf(face.flags);
  if (axis < 0 || !plane || !plane->point) return false;
  const bool behind = wrap32::Sub((*plane->point)[axis], camera[axis]) < 0;
  return behind != ((face.flags & kFacePositiveAxis) != 0);
}

void ProcessBodyFaces(Body& body, const Vec3& camera) {
  if (!body.vertexPool) return;
  gDrawSettings.counters.facesConsidered += body.faceCount;
  TransformedVertex* transformed = body.vertexPool->transformedCursor;
  VertexOutput out = ProjectedOutput(body);
  if (OutOfView(body, transformed)) {
    ForEachFace(body, [&](Face& face) {
      face.firstScreenVertex = out.next;
      face.screenVertexCount = 0;
    });
    return;
  }
  ForEachFace(body, [&](Face& face) { ProcessFace(body, face, transformed, camera, out); });
  body.vertexPool->projectedCursor = out.next;
}

void TransformCellObjects() {
  for (int32_t i = 0; i < gBodyQueue.count; ++i) {
    BodyQueueEntry& entry = gBodyQueue.entries[static_cast<std::size_t>(i)];
    Body* body = entry.body;
    if (!body) continue;
    const bool own = (body->flags & kBodyOwnMatrix) != 0;
    if (!TransformBodyVertices(*body, own ? body->matrix : gCellObjectSpace.matrix)) continue;
    ProcessBodyFaces(*body, own ? entry.objectCamera : gCellObjectSpace.camera);
  }
}
