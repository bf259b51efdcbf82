#include <gtest/gtest.h>

#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/FacePlane.h"

namespace {

constexpr Fixedpoint kOne = 65536;

TEST(FacePlane, NormalAndOrientationClass) {
  struct Case {
    const char* name;
    std::vector<Vec3> corners;
    Vec3 normal;
    uint32_t orientation;
  };
  const Case cases[] = {
      {"up", {{0, 0, 0}, {kOne, 0, 0}, {0, 0, kOne}}, {0, kOne, 0}, kFaceAlongY | kFacePositiveAxis},
      {"toward minus z", {{0, 0, 0}, {kOne, 0, 0}, {0, kOne, 0}}, {0, 0, -kOne}, kFaceAlongZ},
      {"toward plus x", {{0, 0, 0}, {0, 0, kOne}, {0, kOne, 0}}, {kOne, 0, 0}, kFaceAlongX | kFacePositiveAxis},
      {"general", {{0, 0, 0}, {4 * kOne, -3 * kOne, 0}, {0, 0, kOne}}, {39321, 52428, 0}, kFaceGeneralPlane},
      // The second and last corners of a quad span the plane; the third is not used.
      {"quad", {{0, 0, 0}, {kOne, 0, 0}, {5 * kOne, 7 * kOne, 0}, {0, 0, kOne}}, {0, kOne, 0},
       kFaceAlongY | kFacePositiveAxis},
      {"one vertex", {{kOne, 2 * kOne, 3 * kOne}}, {0, 0, 0}, kFaceAlongZ},
      {"two vertices", {{0, 0, 0}, {kOne, kOne, 0}}, {0, 0, 0}, kFaceAlongZ},
      {"in a line", {{0, 0, 0}, {kOne, 0, 0}, {2 * kOne, 0, 0}}, {0, 0, 0}, kFaceAlongZ},
  };
  for (const Case& c : cases) {
    BodyBuilder body;
    body.SetVertices(c.corners);
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < c.corners.size(); ++i) indices.push_back(i);
    Face& face = body.AddFace(indices);
    face.flags = 0x4002;
    body.ComputePlanes();
    EXPECT_EQ(face.plane->normal, c.normal) << c.name;
    EXPECT_EQ(face.flags, 0x4002 | c.orientation) << c.name;
    EXPECT_EQ(face.plane->point, &body->vertices[0]) << c.name;
  }
}

TEST(FacePlane, OrientationTestsZThenYThenX) {
  EXPECT_EQ(FaceOrientationFlags({0, 0, -kOne}), kFaceAlongZ);
  EXPECT_EQ(FaceOrientationFlags({0, kOne, 0}), kFaceAlongY | kFacePositiveAxis);
  EXPECT_EQ(FaceOrientationFlags({39321, 52428, 0}), kFaceGeneralPlane);
}

TEST(VertexNormals, MeanOfTheFacesThatUseTheVertex) {
  BodyBuilder body;
  // Vertices 0 and 1 lie on the edge between a floor (normal up) and a wall (normal +x);
  // vertex 4 is used by no face.
  body.SetVertices({{0, 0, 0}, {0, 0, kOne}, {-kOne, 0, 0}, {0, -kOne, 0}, {9 * kOne, 0, 0}});
  body.AddFace({1, 2, 0});
  body.AddFace({0, 3, 0, 1});  // lists vertex 0 twice: counted once
  body.ComputePlanes();
  ASSERT_EQ(body.FaceAt(0).plane->normal, (Vec3{0, kOne, 0}));
  ASSERT_EQ(body.FaceAt(1).plane->normal, (Vec3{kOne, 0, 0}));

  std::vector<Vec3> normals(5, Vec3{1, 1, 1});
  ComputeVertexNormals(*body.get(), normals.data());
  EXPECT_EQ(normals[0], (Vec3{46340, 46340, 0}));
  EXPECT_EQ(normals[1], (Vec3{46340, 46340, 0}));
  EXPECT_EQ(normals[2], (Vec3{0, kOne, 0}));
  EXPECT_EQ(normals[3], (Vec3{kOne, 0, 0}));
  EXPECT_EQ(normals[4], (Vec3{}));
}

TEST(VertexNormals, NormalsThatCancelLeaveZero) {
  BodyBuilder body;
  body.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, 0, kOne}});
  body.AddFace({0, 1, 2});
  body.AddFace({0, 2, 1});
  body.ComputePlanes();
  std::vector<Vec3> normals(3);
  ComputeVertexNormals(*body.get(), normals.data());
  for (const Vec3& normal : normals) EXPECT_EQ(normal, (Vec3{}));
}

}  // namespace
