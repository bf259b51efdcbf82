#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"
#include "pel3d/draw/VertexOutput.h"

// Face flags read when a face is listed.
constexpr uint32_t kFaceNoFarClip = 0x80000;
constexpr uint32_t kFaceLinearClip = 0x100;  // no perspective correction at the screen edges
constexpr uint32_t kFaceUnsorted = 0x20000;  // goes to the unsorted list
constexpr uint32_t kFaceMeanDepth = 0x40000;  // depth key is the mean z, not the greatest

// A line face: clipped as the one segment from its last vertex to its first, never culled.
bool IsLineFace(const Face& face);

// The greatest z of the screen vertices, at least 0.
Fixedpoint GreatestDepth(const ScreenVertex* vertices, int32_t count);
// The mean z: the sum shifted right by 2, and for a count other than 4 multiplied by 4
// again and divided by the count.
Fixedpoint MeanDepth(const ScreenVertex* vertices, int32_t count);

// Screen-clips the face (a clipped result is written to out, which moves past it) and
// appends it with its depth key to the unsorted or the sorted list. A face that is clipped
// away, that has a mean depth and 2 or fewer vertices, or that finds its list full, is
// dropped with screen-vertex count 0.
void AddFaceToPolygonList(Face& face, VertexOutput& out);
