#include <gtest/gtest.h>

#include <vector>

#include "BodyBuilder.h"
#include "Drovane/Arena.h"
#include "pel3d/bodies/BodyConstruction.h"
#include "pel3d/bodies/BodyHeightProbe.h"
#include "pel3d/bodies/BodyIntersect.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/FaceInfo.h"
#include "pel3d/bodies/FacingFaces.h"
#include "pel3d/bodies/Lighting.h"

namespace {

constexpr Fixedpoint kOne = 65536;

class BuiltBodies : public ::testing::Test {
protected:
  void SetUp() override {
    if (gGeneralArena < 0) CreateApplicationArenas();
    ClearBodyRegistry();
  }
  void TearDown() override { ClearBodyRegistry(); }
};

TEST_F(BuiltBodies, PolylineHangsFromTheOrigin) {
  Body* body = CreatePolylineBody(5, 77, 2 * kOne);
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(GetRegisteredBody(0), body);
  EXPECT_EQ(body->vertexCount, 5);
  EXPECT_EQ(body->faceCount, 4);
  EXPECT_EQ(body->indexCount, 8);
  EXPECT_EQ(body->radius, 5 * kOne);
  EXPECT_EQ(body->id, 0u);
  EXPECT_EQ(body->flags, 0u);
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(body->vertices[i], (Vec3{0, -2 * kOne * i, 0})) << i;
  const Face* face = body->faces;
  for (int32_t i = 0; i < 4; ++i, face = face->next) {
    EXPECT_EQ(face->vertexCount, 2);
    EXPECT_EQ(face->flags, 0x8002u);
    EXPECT_EQ(face->colour, 77u);
    EXPECT_EQ(face->textureId, 77u);
    EXPECT_EQ(face->type, 20);
    EXPECT_EQ(face->plane, nullptr);
    EXPECT_EQ(face->indices[0], static_cast<uint32_t>(i));
    EXPECT_EQ(face->indices[1], static_cast<uint32_t>(i + 1));
    EXPECT_EQ(face->texCoords[1].u, 0);
  }
}

TEST_F(BuiltBodies, PointBodyHasAOneVertexFacePerVertex) {
  Body* body = CreatePointBody(3, 24);
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->vertexCount, 3);
  EXPECT_EQ(body->faceCount, 3);
  EXPECT_EQ(body->radius, 0);
  const Face* face = body->faces;
  for (uint32_t i = 0; i < 3; ++i, face = face->next) {
    EXPECT_EQ(body->vertices[i], (Vec3{}));
    EXPECT_EQ(face->vertexCount, 1);
    EXPECT_EQ(face->flags, 0x10002u);
    EXPECT_EQ(face->type, 24);
    EXPECT_EQ(face->colour, i);
    EXPECT_EQ(face->textureId, i);
    EXPECT_EQ(face->indices[0], i);
  }
  EXPECT_NE(CreatePointBody(0, 24), nullptr) << "a body of no points";
}

TEST_F(BuiltBodies, CountsThatMakeNoBodyAndAFullRegistry) {
  for (int32_t count : {0, -1, 1 << 30}) {
    SetLastResourceError(kErrorNone);
    EXPECT_EQ(CreatePolylineBody(count, 1, kOne), nullptr) << count;
    EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory) << count;
  }
  EXPECT_EQ(CreatePointBody(-1, 24), nullptr);

  std::vector<Body> others(kBodyRegistryCapacity);
  for (Body& other : others) AddBody(&other);
  EXPECT_EQ(CreatePointBody(2, 24), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBodyRegistryFull);
  EXPECT_EQ(CreatePolylineBody(2, 1, kOne), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBodyRegistryFull);
  ClearBodyRegistry();
}

// Line and point faces have no plane: the segment test, the facing faces and the probes
// pass them over, and the lighting leaves them alone.
TEST_F(BuiltBodies, GeometryQuestionsPassLineAndPointFacesOver) {
  Body* rope = CreatePolylineBody(3, 20, kOne);
  Body* points = CreatePointBody(2, 24);
  ASSERT_NE(rope, nullptr);
  ASSERT_NE(points, nullptr);
  for (Body* body : {rope, points}) {
    EXPECT_EQ(IntersectBody({0, 5 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, body), -1);
    EXPECT_EQ(GetFacingFaceZ(body, 0, 0, 0, kOne), 0);
    EXPECT_EQ(GetFacingFaceX(body, 0, 0, 0, kOne), 0);
    uint32_t word = kProbeNearestSurface;
    EXPECT_EQ(ProbeBodyContact(body, 0, -kOne / 2, 0, word, kOne, kOne), 0);
    LightBodyFaces(body);
  }
  EXPECT_EQ(rope->faces->colour, 20u);
  EXPECT_EQ(points->faces->next->colour, 1u);
}

TEST_F(BuiltBodies, FaceInfoRoundTripKeepsTheSharedCoordinates) {
  Body* rope = CreatePolylineBody(3, 20, kOne);
  ASSERT_NE(rope, nullptr);
  Face* face = rope->faces->next;
  TexCoord* shared = face->texCoords;
  FaceInfo info;
  GetFaceInfo(face, info);
  info.flags |= kFaceSwitchedOff;
  SetFaceInfo(face, info);
  EXPECT_EQ(face->texCoords, shared);
  EXPECT_EQ(face->indices[1], 2u);
  EXPECT_TRUE(face->flags & kFaceSwitchedOff);
}

}  // namespace
