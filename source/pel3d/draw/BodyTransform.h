#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/VertexOutput.h"
#include "pel3d/draw/VertexProjection.h"

// Calls visit(face) for each of the body's faces, in face order, by its face count.
template <class Visit>
void ForEachFace(Body& body, Visit visit) {
  Face* face = body.faces;
  for (int32_t i = 0; i < body.faceCount && face; ++i, face = face->next) visit(*face);
}

// Transforms the body's model vertices by m into its vertex pool's transformed area, at
// the transformed cursor (which stays: each body is projected before the next is
// transformed). Null, with every face's screen-vertex count 0, when the body has no pool,
// no vertices or more than the area holds.
TransformedVertex* TransformBodyVertices(Body& body, const Matrix& m);

// Where the body's faces write their screen vertices: its pool's projected cursor up to
// the pool's end.
VertexOutput ProjectedOutput(const Body& body);

// A face the draw can read: it has corners, and each corner names a vertex of the body and
// has a texture pair.
bool HasValidCorners(const Body& body, const Face& face);

FaceCorners CornersOf(const Face& face, TransformedVertex* transformed);

// Starts the face's screen vertices at out's position with a count of 0; true when the
// face is processed, not switched off and has valid corners, so it is to be drawn.
bool StartFace(const Body& body, Face& face, const VertexOutput& out);
