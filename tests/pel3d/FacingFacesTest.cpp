#include <gtest/gtest.h>

#include <climits>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyEdits.h"
#include "pel3d/bodies/FacingFaces.h"

namespace {

constexpr Fixedpoint kOne = 65536;

// Two walls: one facing minus z at z = 3.0, one facing plus x at x = -4.0, both from y 0
// to 4.0 over -1.0 to 1.0 of their other axis.
class Facing : public ::testing::Test {
protected:
  void SetUp() override {
    mBody.SetVertices({{-kOne, 0, 3 * kOne}, {-kOne, 4 * kOne, 3 * kOne}, {kOne, 4 * kOne, 3 * kOne},
                       {-4 * kOne, 0, -kOne}, {-4 * kOne, 4 * kOne, -kOne}, {-4 * kOne, 4 * kOne, kOne}});
    mBody.AddFace({0, 2, 1});
    mBody.AddFace({3, 5, 4});
    mBody.ComputePlanes();
  }

  BodyBuilder mBody;
};

TEST_F(Facing, FindsTheFirstFaceFacingTheWay) {
  ASSERT_EQ(mBody.FaceAt(0).plane->normal, (Vec3{0, 0, -kOne}));
  ASSERT_EQ(mBody.FaceAt(1).plane->normal, (Vec3{kOne, 0, 0}));
  struct Case {
    const char* name;
    Fixedpoint x;
    Fixedpoint y;
    int32_t dir;
    Fixedpoint z;
  };
  const Case cases[] = {
      {"facing minus z", 0, 2 * kOne, -1, 3 * kOne},
      {"facing plus z: none", 0, 2 * kOne, 1, 0},
      {"any way", 0, 2 * kOne, 0, 3 * kOne},
      {"the square touches the face's side", 2 * kOne, 2 * kOne, -1, 3 * kOne},
      {"beside the face", 2 * kOne + 1, 2 * kOne, -1, 0},
      {"above the face", 0, 5 * kOne + 1, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetFacingFaceZ(mBody.get(), c.x, c.y, c.dir, kOne), c.z) << c.name;
  }
  EXPECT_EQ(GetFacingFaceX(mBody.get(), 2 * kOne, 0, 1, kOne), -4 * kOne);
  EXPECT_EQ(GetFacingFaceX(mBody.get(), 2 * kOne, 0, -1, kOne), 0);
  EXPECT_EQ(GetFacingFaceZ(nullptr, 0, 0, 0, kOne), 0);
}

TEST_F(Facing, NormalsJustShortOfTheLimitDoNotFace) {
  mBody.FaceAt(0).plane->normal = {0, 0, 9999};
  EXPECT_EQ(GetFacingFaceZ(mBody.get(), 0, 2 * kOne, 1, kOne), 0);
  mBody.FaceAt(0).plane->normal = {0, 0, 10000};
  EXPECT_EQ(GetFacingFaceZ(mBody.get(), 0, 2 * kOne, 1, kOne), 3 * kOne);
}

TEST_F(Facing, PointFacesAndFacesWithoutAPlaneAreSkipped) {
  mBody.FaceAt(0).flags |= kFaceSprite;
  EXPECT_EQ(GetFacingFaceZ(mBody.get(), 0, 2 * kOne, 0, kOne), 0) << "the other face is beside the square";
  mBody.FaceAt(0).flags &= ~kFaceSprite;
  mBody.FaceAt(0).plane = nullptr;
  EXPECT_EQ(GetFacingFaceZ(mBody.get(), 0, 2 * kOne, 0, kOne), 0);
}

TEST(BodyEdits, StretchMovesTheSecondVertexOfPointFaces) {
  BodyBuilder body;
  body.SetVertices({{kOne, 2 * kOne, 3 * kOne}, {0, 0, 7 * kOne}, {5 * kOne, 0, 0}, {0, 0, 0}, {9, 9, 9}});
  body.AddFace({0, 1}).flags = kFaceSprite;
  body.AddFace({2, 3}).flags = 0;
  body.AddFace({4}).flags = kFaceSprite;
  StretchLineFaces(body.get(), 3, -2);
  EXPECT_EQ(body->vertices[1], (Vec3{kOne + 3 * kOne / 2, kOne, 7 * kOne}));
  EXPECT_EQ(body->vertices[3], (Vec3{})) << "not a point face";
  EXPECT_EQ(body->vertices[4], (Vec3{9, 9, 9})) << "a one-vertex face stays";
}

TEST(BodyEdits, TranslateMeasureAndPlace) {
  BodyBuilder body;
  body.SetVertices({{0, 0, 0}, {kOne, 3 * kOne, 0}});
  body.AddFace({0, 1}).flags = kFaceSprite;
  body->position = {kOne, kOne, kOne};
  TranslateBody(body.get(), {kOne, -kOne, 2 * kOne});
  EXPECT_EQ(body->vertices[1], (Vec3{2 * kOne, 2 * kOne, 2 * kOne}));
  EXPECT_EQ(body->position, (Vec3{2 * kOne, 0, 3 * kOne}));
  EXPECT_EQ(GetBodyVodY(body.get()), 2 * kOne);

  PlaceLineBody(body.get(), {10 * kOne, 20 * kOne, 30 * kOne});
  EXPECT_EQ(body->vertices[0], (Vec3{10 * kOne, 20 * kOne, 30 * kOne}));
  EXPECT_EQ(body->vertices[1], (Vec3{11 * kOne, 23 * kOne, 30 * kOne}));
  EXPECT_EQ(body->position, (Vec3{10 * kOne, 20 * kOne, 30 * kOne}));

  body.FaceAt(0).flags = 0;
  PlaceLineBody(body.get(), {0, 0, 0});
  EXPECT_EQ(body->position, (Vec3{10 * kOne, 20 * kOne, 30 * kOne})) << "not a line body";

  BodyBuilder empty;
  EXPECT_EQ(GetBodyVodY(empty.get()), INT32_MIN);
}

}  // namespace
