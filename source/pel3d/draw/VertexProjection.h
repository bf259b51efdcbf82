#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/VertexOutput.h"

// Screen x and y (20.12) of a view-space point in front of the camera (z > 0), through the
// projection scales and the screen centre; z is copied and u, v are left 0.
ScreenVertex ProjectViewPoint(Fixedpoint x, Fixedpoint y, Fixedpoint z);

// Writes the corner's screen vertex with the given texture pair: copied from its cached
// projection when a face has already projected it in this flush, else projected and
// cached. False when the output is full.
bool EmitCorner(TransformedVertex& vertex, const TexCoord& tex, VertexOutput& out);

// The corners of one face: transformed vertices chosen by index, with a texture pair each.
struct FaceCorners {
  TransformedVertex* vertices = nullptr;
  const uint32_t* indices = nullptr;
  const TexCoord* texCoords = nullptr;
  int32_t count = 0;

  TransformedVertex& Vertex(int32_t i) const { return vertices[indices[i]]; }
  const TexCoord& Tex(int32_t i) const { return texCoords[i]; }
};

// Emits every corner in order; the number written, or -1 when the output filled up.
int32_t ProjectCorners(const FaceCorners& corners, VertexOutput& out);
