#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyCopy.h"
#include "pel3d/bodies/BodyMeshCopy.h"
#include "pel3d/bodies/FaceInfo.h"
#include "pel3d/files/EngineError.h"

namespace {

constexpr Fixedpoint kOne = 65536;

class BodyCopy : public ::testing::Test {
protected:
  void SetUp() override {
    ClearBodyRegistry();
    mBody.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, kOne, 0}, {kOne, kOne, 0}, {0, 0, kOne}});
    mBody.AddFace({0, 1, 2});
    mBody.AddFace({1, 3, 2, 4, 0});
    mBody.AddFace({4});
    mBody.ComputePlanes();
    mBody->id = 31;
  }
  void TearDown() override { ClearBodyRegistry(); }

  // Room of exactly GetBodySize bytes, filled with a pattern so stray writes show.
  std::byte* Room() {
    mRoom.assign(GetBodySize(mBody.get()) / sizeof(std::max_align_t) + 2, {});
    std::memset(mRoom.data(), 0xA5, mRoom.size() * sizeof(std::max_align_t));
    return reinterpret_cast<std::byte*>(mRoom.data());
  }

  BodyBuilder mBody;
  std::vector<std::max_align_t> mRoom;
};

TEST_F(BodyCopy, CopiesVerticesFacesIndicesAndCoordinatesAndSharesTheRest) {
  std::byte* room = Room();
  const std::size_t size = GetBodySize(mBody.get());
  Body* copy = CopyBodyInto(mBody.get(), room);
  ASSERT_EQ(copy, static_cast<void*>(room));
  EXPECT_EQ(FindBody(31), copy);

  ASSERT_NE(copy->vertices, mBody->vertices);
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(copy->vertices[i], mBody->vertices[i]);

  const Face* source = mBody->faces;
  Face* face = copy->faces;
  for (int32_t i = 0; i < mBody->faceCount; ++i, source = source->next, face = face->next) {
    ASSERT_NE(face, source);
    EXPECT_NE(face->indices, source->indices);
    EXPECT_NE(face->texCoords, source->texCoords);
    for (int32_t k = 0; k < face->vertexCount; ++k) {
      EXPECT_EQ(face->indices[k], source->indices[k]);
      EXPECT_EQ(face->texCoords[k].u, source->texCoords[k].u);
      EXPECT_EQ(face->texCoords[k].v, source->texCoords[k].v);
    }
    EXPECT_EQ(face->plane, source->plane);
    EXPECT_EQ(face->texCoordCopy, source->texCoordCopy);
    const std::byte* end = reinterpret_cast<const std::byte*>(face->texCoords + face->vertexCount);
    EXPECT_LE(end, room + size);
  }
  EXPECT_LE(reinterpret_cast<std::byte*>(face), room + size) << "the last link points at the copy's end";
}

TEST_F(BodyCopy, FullRegistryGivesError9) {
  std::vector<Body> others(kBodyRegistryCapacity);
  for (Body& other : others) ASSERT_NE(AddBody(&other), nullptr);
  SetLastResourceError(kErrorNone);
  EXPECT_EQ(CopyBodyInto(mBody.get(), Room()), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBodyRegistryFull);
  ClearBodyRegistry();
}

// The game widens a face through SetFaceInfo, handing it a longer texture-coordinate list
// (and giving the face a longer index list); the body's stored index count stays behind.
// Both copies size and fill their room from the faces, so they stay inside it.
TEST_F(BodyCopy, AWidenedFaceIsCopiedWhole) {
  struct Copier {
    const char* name;
    std::size_t (*size)(const Body*);
    Body* (*copy)(const Body*, void*);
  };
  const Copier copiers[] = {{"CopyBodyInto", GetBodySize, CopyBodyInto},
                            {"CopyBodyMesh", GetBodyMeshBytes, CopyBodyMesh}};
  std::vector<uint32_t> indices = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1};
  std::vector<TexCoord> coords(indices.size());
  for (std::size_t i = 0; i < coords.size(); ++i) coords[i] = {static_cast<Fixedpoint>(i), 7};
  Face& face = mBody.FaceAt(0);
  face.indices = indices.data();
  FaceInfo info;
  GetFaceInfo(&face, info);
  info.vertexCount = static_cast<int32_t>(indices.size());
  info.texCoords = coords.data();
  SetFaceInfo(&face, info);

  for (const Copier& copier : copiers) {
    // Exactly as many bytes as the size asks for, so a write past them is caught.
    const std::size_t size = copier.size(mBody.get());
    std::unique_ptr<std::byte[]> room(new std::byte[size]);
    Body* copy = copier.copy(mBody.get(), room.get());
    ASSERT_NE(copy, nullptr) << copier.name;
    const Face* widened = copy->faces;
    ASSERT_EQ(widened->vertexCount, 12) << copier.name;
    EXPECT_EQ(widened->texCoords[11].u, 11) << copier.name;
    EXPECT_EQ(widened->indices[11], 1u) << copier.name;
    const std::byte* end = reinterpret_cast<const std::byte*>(copy->faces->next->next->next);
    EXPECT_LE(end, room.get() + size) << copier.name;
    ClearBodyRegistry();
  }
}

}  // namespace
