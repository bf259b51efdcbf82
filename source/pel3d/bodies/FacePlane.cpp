#include "pel3d/bodies/FacePlane.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <new>

#include "pel3d/CountOf.h"

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

bool ComputeVertexNormals(const Body& body, Vec3* normals) {
  struct VertexSum {
    int64_t sum[3] = {};
    int32_t uses = 0;
    int32_t countedBy = -1;  // the last face that counted the vertex, so a face counts it once
  };
  const std::size_t vertexCount = CountOf(body.vertexCount);
  std::unique_ptr<VertexSum[]> sums(new (std::nothrow) VertexSum[vertexCount]);
  if (!sums) return false;

  const Face* face = body.faces;
  for (int32_t f = 0; f < body.faceCount; ++f, face = face->next) {
    for (int32_t k = 0; k < face->vertexCount; ++k) {
      VertexSum& vertex = sums[face->indices[k]];
      if (vertex.countedBy == f) continue;
      vertex.countedBy = f;
      ++vertex.uses;
      for (int axis = 0; axis < 3; ++axis) vertex.sum[axis] += face->plane->normal[axis];
    }
  }
  for (std::size_t v = 0; v < vertexCount; ++v) {
    const VertexSum& vertex = sums[v];
    if (vertex.uses == 0) {
      normals[v] = {};
      continue;
    }
    const double k = vertex.uses;
    normals[v] = UnitFixed({vertex.sum[0] / 65536.0 / k, vertex.sum[1] / 65536.0 / k, vertex.sum[2] / 65536.0 / k});
  }
  return true;
}
