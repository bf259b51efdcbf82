#include "pel3d/draw/VertexProjection.h"

#include "pel3d/math/View.h"

ScreenVertex ProjectViewPoint(Fixedpoint x, Fixedpoint y, Fixedpoint z) {
  ScreenVertex screen;
  screen.x = wrap32::Add(wrap32::Low(int64_t{x} * gView.scaleX / z), gView.centreX);
  screen.y = wrap32::Sub(gView.centreY, wrap32::Low(int64_t{y} * gView.scaleY / z));
  screen.z = z;
  return screen;
}

bool EmitCorner(TransformedVertex& vertex, const TexCoord& tex, VertexOutput& out) {
  ScreenVertex* screen = out.Take();
  if (!screen) return false;
  if (vertex.projection) {
    *screen = *vertex.projection;
  } else {
    *screen = ProjectViewPoint(vertex.x, vertex.y, vertex.z);
    vertex.projection = screen;
  }
  screen->u = tex.u;
  screen->v = tex.v;
  return true;
}

int32_t ProjectCorners(const FaceCorners& corners, VertexOutput& out) {
  for (int32_t i = 0; i < corners.count; ++i) {
    if (!EmitCorner(corners.Vertex(i), corners.Tex(i), out)) return -1;
  }
  return corners.count;
}
