#pragma once
#include "pel3d/bodies/Body.h"
#include "pel3d/draw/VertexOutput.h"

// For each queued body in queue order: transforms its vertices (by its own matrix or the
// camera's) and clips and projects its faces.
void TransformQueuedBodies();

// Clips every face of a body transformed at its pool's transformed cursor at the near and
// far planes, projects it, culls it by its winding on the screen and clips it to the
// screen, into the pool's projected area. A sprite face gets its centre and size when its
// corner lies beyond the near plane.
void ClipAndProjectBodyFaces(Body& body);

// Clips the face's screen vertices to the clip rectangle; the result is written to out,
// which moves past it, and becomes the face's. A sprite face is left as it is; a face
// clipped away gets count 0.
void ClipFaceToScreen(Face& face, VertexOutput& out);

// Twice the signed area of the polygon as the screen shows it: negative when it faces away.
int64_t ScreenWinding(const ScreenVertex* vertices, int32_t count);
