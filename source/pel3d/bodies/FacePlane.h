#pragma once
#include "pel3d/bodies/Body.h"

// The unit normal (16.16, truncated toward zero) of the plane through p0, p1 and p2, with
// a = p1 - p0 and b = p2 - p0 the normal is b x a. Points that span no plane give the
// normal (0, 0, 0).
Vec3 ComputeFacePlaneNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2);

// Fills the face's plane from its first, second and last vertex (the first standing in
// for a missing one) and gives the face its orientation class. The plane's point is the
// first vertex. The face needs at least one vertex.
void ComputeFacePlane(const Body& body, Face& face);

// The normal of every vertex: the mean of the plane normals of the faces that use it (a
// face counted once however often it lists the vertex), made unit length; (0, 0, 0) for a
// vertex that no face uses or whose normals cancel out. normals holds vertexCount entries.
// false, with normals untouched, when the working memory cannot be had.
bool ComputeVertexNormals(const Body& body, Vec3* normals);
