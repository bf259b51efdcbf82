#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/VertexOutput.h"

// Writes a point face's two screen vertices: its first corner projected, with its first
// texture pair, then its size, the distance from its first to its second model vertex
// projected at that depth (0 for a one-corner face, which uses its first corner and pair
// twice). The caller has checked the depth (z > 0). The number written (2), or -1 when the
// output is full.
int32_t ProjectPointFace(const Body& body, const Face& face, const TransformedVertex& corner, VertexOutput& out);
