#pragma once
#include "pel3d/bodies/Body.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

// The space of the current cell's static objects, set by the scene draw for each cell:
// camera matrix x cell matrix, and the camera position relative to the cell.
struct CellObjectSpace {
  Matrix matrix{};
  Vec3 camera;
};

extern CellObjectSpace gCellObjectSpace;

// Transforms each queued body (with its own matrix when it has one, else with the cell's)
// into its vertex pool and runs ProcessBodyFaces on it with the matching camera position.
void TransformCellObjects();

// Culls, clips, projects and lists every face of a body already transformed at its pool's
// transformed cursor; camera is the camera position in the body's model space.
void ProcessBodyFaces(Body& body, const Vec3& camera);

// The back-face test of a face in model space: visible when the camera lies on the front
// side of its plane; a face of type 11 is never culled by a general plane, and a face with
// no plane class is always culled.
bool FaceFacesCamera(const Face& face, const Vec3& camera);
