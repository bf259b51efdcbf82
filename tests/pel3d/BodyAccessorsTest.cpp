#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/BodyMeshCopy.h"
#include "pel3d/math/View.h"

namespace {

constexpr Fixedpoint kOne = 65536;

class Bodies : public ::testing::Test {
protected:
  void SetUp() override {
    ClearBodyRegistry();
    mBody.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, kOne, 0}, {kOne, kOne, 0}});
    mBody.AddFace({0, 1, 2});
    mBody.AddFace({1, 3, 2, 0});
    mBody->id = 77;
    mBody->radius = 3 * kOne;
  }
  void TearDown() override { ClearBodyRegistry(); }

  // Room for a copy of the body, alive until the registry is cleared.
  void* CopyRoom() {
    mCopyRoom.resize(GetBodyMeshBytes(mBody.get()) / sizeof(std::max_align_t) + 1);
    return mCopyRoom.data();
  }

  BodyBuilder mBody;
  std::vector<std::max_align_t> mCopyRoom;
};

TEST_F(Bodies, SimpleAccessors) {
  EXPECT_EQ(CountBodyIndices(mBody.get()), 7);
  EXPECT_EQ(GetBodyId(mBody.get()), 77u);
  mBody->flags = 0x12;
  EXPECT_EQ(GetBodyFlags(mBody.get()), 0x12u);
  Face* first = GetBodyFaces(mBody.get());
  EXPECT_EQ(first, mBody->faces);
  EXPECT_EQ(GetNextFace(first)->vertexCount, 4);
  SetFaceTexture(first, 0x20005);
  EXPECT_EQ(GetFaceTexture(first), 0x20005u);

  SetBodyPosition(mBody.get(), {kOne, 2 * kOne, 3 * kOne});
  EXPECT_EQ(GetBodyPosition(mBody.get()), (Vec3{kOne, 2 * kOne, 3 * kOne}));
}

TEST_F(Bodies, UserDataIsStoredAndSharedByCopies) {
  Body lowDetail;
  SetBodyUserData(mBody.get(), &lowDetail);
  EXPECT_EQ(mBody->userData, &lowDetail);
  Body* copy = CopyBodyMesh(mBody.get(), CopyRoom());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->userData, &lowDetail);
  SetBodyUserData(mBody.get(), nullptr);
  EXPECT_EQ(mBody->userData, nullptr);
}

TEST_F(Bodies, RecentreMakesVerticesRelativeToThePosition) {
  mBody.SetVertices({{11 * kOne, 2 * kOne, 5 * kOne}});
  mBody->position = {10 * kOne, 0, 5 * kOne};
  RecentreBody(mBody.get());
  EXPECT_EQ(mBody->vertices[0], (Vec3{kOne, 2 * kOne, 0}));
  EXPECT_EQ(mBody->position, (Vec3{}));
  EXPECT_TRUE(mBody->flags & kBodyRecentred);
}

TEST_F(Bodies, BodyInfoDescribesTheBody) {
  BodyInfo info;
  info.spare[0] = 11;
  info.spare[1] = 22;
  GetBodyInfo(mBody.get(), info);
  EXPECT_EQ(info.faceCount, 2);
  EXPECT_EQ(info.vertexCount, 4);
  EXPECT_EQ(info.flags, mBody->flags);
  EXPECT_EQ(info.radius, 3 * kOne);
  EXPECT_EQ(info.viewPosition, &mBody->viewPosition);
  EXPECT_EQ(info.vertices, mBody->vertices);
  EXPECT_EQ(info.matrix, &mBody->matrix);
  EXPECT_EQ(info.spare[0], 11u);
  EXPECT_EQ(info.spare[1], 22u);
}

// The placement turns a quarter about y (x to -z), is scaled by (2, 3, 4) and stands at
// (10, 20, 30); the camera stands at the same place, so the translation cancels out, which
// it does only when the camera matrix comes first.
TEST_F(Bodies, SetBodyMatrixScalesByModeAndComposesWithTheCamera) {
  Matrix camera{};
  MatrixIdentity(camera);
  camera[3] = -10 * kOne;
  camera[7] = -20 * kOne;
  camera[11] = -30 * kOne;
  SetCamera({}, camera);

  Placement placement;
  MatrixIdentity(placement.orientation);
  MatrixRotateY(900 * kOne, placement.orientation);
  placement.scale = {2 * kOne, 3 * kOne, 4 * kOne};
  placement.position = {10 * kOne, 20 * kOne, 30 * kOne};

  const Matrix alongBody = {0, 0, -4 * kOne, 0, 0, 3 * kOne, 0, 0,
                            2 * kOne, 0, 0, 0, 0, 0, 0, kOne};
  const Matrix alongPlaced = {0, 0, -2 * kOne, 0, 0, 3 * kOne, 0, 0,
                              4 * kOne, 0, 0, 0, 0, 0, 0, kOne};
  const Matrix unscaled = {0, 0, -kOne, 0, 0, kOne, 0, 0, kOne, 0, 0, 0, 0, 0, 0, kOne};
  const struct {
    int32_t mode;
    const Matrix& expected;
  } cases[] = {{1, alongBody}, {2, alongPlaced}, {3, unscaled}, {0, unscaled}, {4, unscaled}};
  for (const auto& c : cases) {
    SetBodyMatrix(mBody.get(), placement, c.mode);
    EXPECT_EQ(mBody->matrix, c.expected) << "mode " << c.mode;
  }
}

TEST_F(Bodies, CopyBodyMeshGivesPrivateFacesOverSharedVertices) {
  const size_t bytes = GetBodyMeshBytes(mBody.get());
  EXPECT_EQ(bytes % 16, 0u);
  void* room = CopyRoom();
  Body* copy = CopyBodyMesh(mBody.get(), room);
  ASSERT_EQ(copy, static_cast<Body*>(room));
  EXPECT_EQ(GetRegisteredBody(0), copy);
  EXPECT_EQ(*copy->registrySlot, copy);
  EXPECT_EQ(copy->id, 77u);
  EXPECT_EQ(copy->vertices, mBody->vertices);

  const Face* original = mBody->faces;
  Face* face = copy->faces;
  EXPECT_EQ(reinterpret_cast<std::byte*>(face), reinterpret_cast<std::byte*>(copy) + sizeof(Body));
  for (int i = 0; i < 2; ++i, original = original->next, face = face->next) {
    EXPECT_NE(face, original);
    EXPECT_EQ(face->vertexCount, original->vertexCount);
    EXPECT_EQ(face->colour, original->colour);
    EXPECT_EQ(face->indices, original->indices);  // shared
    EXPECT_EQ(reinterpret_cast<std::byte*>(face->texCoords),
              reinterpret_cast<std::byte*>(face) + sizeof(Face));
    for (int corner = 0; corner < face->vertexCount; ++corner) {
      EXPECT_EQ(face->texCoords[corner].u, original->texCoords[corner].u);
      EXPECT_EQ(face->texCoords[corner].v, original->texCoords[corner].v);
    }
  }
  // After the last face the next link points at the end of the copy, inside the room.
  const std::byte* end = reinterpret_cast<std::byte*>(face);
  EXPECT_EQ(end - reinterpret_cast<std::byte*>(copy),
            static_cast<std::ptrdiff_t>(sizeof(Body) + 2 * sizeof(Face) + 7 * sizeof(TexCoord)));
  EXPECT_LT(static_cast<size_t>(end - reinterpret_cast<std::byte*>(copy)), bytes);

  copy->faces->colour = 5;
  copy->faces->texCoords[0].u = 999;
  EXPECT_EQ(mBody->faces->colour, 100u);
  EXPECT_EQ(mBody->faces->texCoords[0].u, 0);
}

TEST_F(Bodies, CopyBodyMeshIntoAFullRegistryGivesNull) {
  std::vector<Body> filler(kBodyRegistryCapacity);
  for (auto& body : filler) AddBody(&body);
  EXPECT_EQ(CopyBodyMesh(mBody.get(), CopyRoom()), nullptr);
  EXPECT_EQ(GetRegisteredBodyCount(), kBodyRegistryCapacity);
  ClearBodyRegistry();  // before the filler bodies go
}

TEST(FaceOrientation, ClassifiesTheNormal) {
  const struct {
    Vec3 normal;
    uint32_t flags;
  } cases[] = {
      {{0, 0, -kOne}, kFaceAlongZ},
      {{0, 0, kOne}, kFaceAlongZ | kFacePositiveAxis},
      {{0, kOne, 0}, kFaceAlongY | kFacePositiveAxis},
      {{0, -kOne, 0}, kFaceAlongY},
      {{kOne, 0, 0}, kFaceAlongX | kFacePositiveAxis},
      {{39321, 52428, 0}, kFaceGeneralPlane},  // (0.6, 0.8, 0)
      {{0, 0, 0}, kFaceAlongZ},  // z is tested first
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FaceOrientationFlags(c.normal), c.flags) << c.normal.x << "," << c.normal.y;
  }
}

}  // namespace
