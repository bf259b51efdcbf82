#include "pel3d/draw/PointFace.h"

#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/math/View.h"

namespace {

// (value x reciprocal) >> 16, then x scale >> 16: a length at the point's depth in 20.12.
int32_t ScaleAtDepth(Fixedpoint value, Fixedpoint reciprocal, int32_t scale) {
  const int64_t atDepth = wrap32::Low(int64_t{value} * reciprocal >> 16);
  return wrap32::Low(atDepth * scale >> 16);
}

}  // namespace

int32_t ProjectPointFace(const Body& body, const Face& face, const TransformedVertex& corner, VertexOutput& out) {
  if (out.Room() < 2) return -1;
  const Fixedpoint reciprocal = wrap32::Low((int64_t{1} << 32) / corner.z);
  const int32_t second = face.vertexCount > 1 ? 1 : 0;
  const Vec3& a = body.vertices[face.indices[0]];
  const Vec3& b = body.vertices[face.indices[second]];

  ScreenVertex* centre = out.Take();
  centre->x = wrap32::Add(ScaleAtDepth(corner.x, reciprocal, gView.scaleX), gView.centreX);
  centre->y = wrap32::Sub(gView.centreY, ScaleAtDepth(corner.y, reciprocal, gView.scaleY));
  centre->z = corner.z;
  centre->u = face.texCoords[0].u;
  centre->v = face.texCoords[0].v;

  ScreenVertex* size = out.Take();
  size->x = ScaleAtDepth(wrap32::Sub(b.x, a.x), reciprocal, gView.scaleX);
  size->y = ScaleAtDepth(wrap32::Sub(b.y, a.y), reciprocal, gView.scaleY);
  size->z = corner.z;
  size->u = face.texCoords[second].u;
  size->v = face.texCoords[second].v;
  return 2;
}
