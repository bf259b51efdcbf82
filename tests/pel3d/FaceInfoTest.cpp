#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/BodyMeshCopy.h"
#include "pel3d/bodies/FaceInfo.h"

namespace {

TEST(BodyFlagMode, EachModeEditsItsBits) {
  struct Case {
    int32_t mode;
    uint32_t before;
    uint32_t after;
  };
  const Case cases[] = {
      {0, 0xFFFFFFFF, 0x7FFFFFFF}, {1, 0, 0x80000000},          {2, 0, 0x10},
      {3, 0xFFFFFFFF, 0xFFFFFFEF}, {4, 0xFFFFFFFF, 0xFFFFFFF7}, {5, 0x3, 0x23},
      {6, 0xFFFFFFFF, 0xFFFFFFDF}, {7, 0x80000000, 0x80000001}, {8, 0x1234, 0x1234},
      {-1, 0x1234, 0x1234},
  };
  for (const Case& c : cases) {
    Body body;
    body.flags = c.before;
    SetBodyFlagMode(&body, c.mode);
    EXPECT_EQ(body.flags, c.after) << "mode " << c.mode;
  }
}

TEST(FaceInfo, GetAndSetMirrorTheFace) {
  BodyBuilder body;
  body.SetVertices({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
  Face& face = body.AddFace({0, 1, 2});
  face.flags = 0x2;
  face.textureId = 0x30004;

  FaceInfo info;
  GetFaceInfo(&face, info);
  EXPECT_EQ(info.face, &face);
  EXPECT_EQ(info.vertexCount, 3);
  EXPECT_EQ(info.textureId, 0x30004u);
  EXPECT_EQ(info.indices, face.indices);
  EXPECT_EQ(info.texCoords, face.texCoords);

  info.flags |= kFaceSwitchedOff;
  info.type = 20;
  info.textureId = 9;
  info.indices = nullptr;
  SetFaceInfo(&face, info);
  EXPECT_EQ(face.flags, 0x2 | kFaceSwitchedOff);
  EXPECT_EQ(face.type, 20);
  EXPECT_EQ(face.textureId, 9u);
  EXPECT_NE(face.indices, nullptr) << "the index list is not written back";
}

// A copy's texture coordinates lie behind its face record, not behind its index list; a
// round trip must keep them.
TEST(FaceInfo, RoundTripKeepsTheTextureCoordinatesOfACopy) {
  ClearBodyRegistry();
  BodyBuilder body;
  body.SetVertices({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
  body.AddFace({0, 1, 2, 3});
  std::vector<std::max_align_t> room(GetBodyMeshBytes(body.get()) / sizeof(std::max_align_t) + 1);
  Body* copy = CopyBodyMesh(body.get(), room.data());
  ASSERT_NE(copy, nullptr);
  Face* face = GetBodyFaces(copy);
  TexCoord* coords = face->texCoords;

  FaceInfo info;
  GetFaceInfo(face, info);
  SetFaceInfo(face, info);
  EXPECT_EQ(face->texCoords, coords);
  EXPECT_EQ(face->texCoords[3].v, 60);
  ClearBodyRegistry();
}

}  // namespace
