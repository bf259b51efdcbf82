#include "pel3d/bodies/FacePlane.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Direction {
  double x = 0;
  double y = 0;
  double z = 0;
};

Direction ToDouble(const Vec3& v) { return {v.x / 65536.0, v.y / 65536.0, v.z / 65536.0}; }

// The vector made unit length and turned into 16.16; zero stays zero.
Vec3 UnitFixed(const Direction& d) {
  const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  if (length == 0) return {};
  return {static_cast<Fixedpoint>(d.x / length * 65536.0), static_cast<Fixedpoint>(d.y / length * 65536.0),
          static_cast<Fixedpoint>(d.z / length * 65536.0)};
}

}  // namespace

Vec3 ComputeFacePlaneNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2) {
  const Direction q0 = ToDouble(p0);
  const Direction q1 = ToDouble(p1);
  const Direction q2 = ToDouble(p2);
  const Direction a{q1.x - q0.x, q1.y - q0.y, q1.z - q0.z};
  const Direction b{q2.x - q0.x, q2.y - q0.y, q2.z - q0.z};
  return UnitFixed({a.z * b.y - a.y * b.z, a.x * b.z - a.z * b.x, a.y * b.x - a.x * b.y});
}

void ComputeFacePlane(const Body& body, Face& face) {
  const int32_t last = face.vertexCount - 1;
  const Vec3& first = body.vertices[face.indices[0]];
  const Vec3& second = last >= 1 ? body.vertices[face.indices[1]] : first;
  face.plane->normal = ComputeFacePlaneNormal(first, second, body.vertices[face.indices[last]]);
  face.plane->point = &first;
  face.flags |= FaceOrientationFlags(face.plane->normal);
}

void ComputeVertexNormals(const Body& body, Vec3* normals) {
  const std::size_t vertexCount = static_cast<std::size_t>(body.vertexCount);
  std::vector<int64_t> sums(3 * vertexCount, 0);
  std::vector<int32_t> uses(vertexCount, 0);
  // The last face that counted each vertex, so a face counts a vertex once.
  std::vector<int32_t> countedBy(vertexCount, -1);

  const Face* face = body.faces;
  for (int32_t f = 0; f < body.faceCount; ++f, face = face->next) {
    for (int32_t k = 0; k < face->vertexCount; ++k) {
      const uint32_t v = face->indices[k];
      if (countedBy[v] == f) continue;
      countedBy[v] = f;
      ++uses[v];
      for (int axis = 0; axis < 3; ++axis) sums[3 * v + axis] += face->plane->normal[axis];
    }
  }
  for (std::size_t v = 0; v < vertexCount; ++v) {
    if (uses[v] == 0) {
      normals[v] = {};
      continue;
    }
    const double k = uses[v];
    normals[v] = UnitFixed({sums[3 * v] / 65536.0 / k, sums[3 * v + 1] / 65536.0 / k, sums[3 * v + 2] / 65536.0 / k});
  }
}
