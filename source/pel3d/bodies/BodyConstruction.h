#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

struct Body;

// Bodies built in code, in the application's general arena, where they stay until the
// program ends. Both are registered; null with error 4 when the memory cannot be had (or
// the count makes no body), or 9 when the registry is full.

// A vertical line of vertexCount vertices hanging down from the body's origin, segment
// apart (vertex i at (0, -segment x i, 0)), joined by vertexCount - 1 line faces of the
// colour; the radius is segment x vertexCount / 2. The helicopter's rope.
Body* CreatePolylineBody(int32_t vertexCount, uint32_t colour, Fixedpoint segment);
// vertexCount vertices at the origin, each with a one-vertex face of the face type whose
// colour and texture id are the vertex's number. Effects and people move the vertices.
Body* CreatePointBody(int32_t vertexCount, int32_t faceType);
