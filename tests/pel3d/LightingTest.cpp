#include <gtest/gtest.h>

#include "BodyBuilder.h"
#include "pel3d/bodies/ColourRamps.h"
#include "pel3d/bodies/Lighting.h"

namespace {

constexpr Fixedpoint kOne = 65536;

class Lighting : public ::testing::Test {
protected:
  void SetUp() override { SetLight(kDayLight.ambient, kDayLight.first, kDayLight.second, kDayLight.vertical); }
  void TearDown() override { SetUp(); }

  // A body of one triangle whose plane has the normal (scaled by the winding) asked for.
  Face& OneFace(const Vec3& normal, uint32_t colour, uint32_t flags = 0, int32_t type = 0) {
    mBody.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, 0, kOne}, {0, kOne, 0}});
    Face& face = mBody.AddFace({0, 1, 2});
    mBody.ComputePlanes();
    face.plane->normal = normal;
    face.colour = colour;
    face.flags = flags;
    face.type = type;
    face.textureId = 999;
    return face;
  }

  BodyBuilder mBody;
};

TEST(ColourRamps, FindsTheRampThatHoldsTheColour) {
  struct Case {
    int64_t colour;
    int32_t start;
    int32_t length;
  };
  const Case cases[] = {{0, 0, 1}, {9, 9, 1}, {10, 10, 6}, {15, 10, 6}, {16, 16, 16}, {47, 32, 16},
                        {223, 208, 16}, {224, 224, 10}, {233, 224, 10}, {240, 234, 12}, {246, 246, 1}, {255, 255, 1}};
  for (const Case& c : cases) {
    const ColourRamp* ramp = FindColourRamp(c.colour);
    ASSERT_NE(ramp, nullptr) << c.colour;
    EXPECT_EQ(ramp->start, c.start) << c.colour;
    EXPECT_EQ(ramp->length, c.length) << c.colour;
  }
  EXPECT_EQ(FindColourRamp(-1), nullptr);
  EXPECT_EQ(FindColourRamp(256), nullptr);
}

TEST(ColourRamps, EveryColourLiesInTheRampFoundForIt) {
  for (int colour = 0; colour < 256; ++colour) {
    const ColourRamp* ramp = FindColourRamp(colour);
    ASSERT_NE(ramp, nullptr) << colour;
    EXPECT_LE(ramp->start, colour);
    EXPECT_LT(colour, ramp->start + ramp->length);
  }
}

TEST(ColourRamps, ShadeRunsFromTheStartToTheLastColour) {
  const ColourRamp ramp{16, 16};
  EXPECT_EQ(ShadeForLight(ramp, 0), 16);
  EXPECT_EQ(ShadeForLight(ramp, -5000), 16);
  EXPECT_EQ(ShadeForLight(ramp, kOne / 2), 24);
  EXPECT_EQ(ShadeForLight(ramp, kOne - 1), 31);
  EXPECT_EQ(ShadeForLight(ramp, kOne), 31);
  EXPECT_EQ(ShadeForLight(ramp, 3 * kOne), 31);
}

TEST_F(Lighting, FacesByDayAndByNight) {
  struct Case {
    LightLevels light;
    Vec3 normal;
    uint32_t colour;
    uint32_t lit;
  };
  const Case cases[] = {
      // Facing down: both fixed lights shine on it half-way (0.5 each).
      {kDayLight, {0, -kOne, 0}, 20, 23},
      {kNightLight, {0, -kOne, 0}, 20, 19},
      // Along x: only the first light reaches it.
      {kDayLight, {kOne, 0, 0}, 100, 102},
      // Facing up: only the ambient level.
      {kDayLight, {0, kOne, 0}, 40, 33},
      // A ramp of one colour keeps it under any light.
      {kDayLight, {0, -kOne, 0}, 5, 5},
  };
  for (const Case& c : cases) {
    BodyBuilder body;
    body.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, 0, kOne}});
    Face& face = body.AddFace({0, 1, 2});
    body.ComputePlanes();
    face.plane->normal = c.normal;
    face.colour = c.colour;
    SetLight(c.light.ambient, c.light.first, c.light.second, c.light.vertical);
    LightBodyFaces(body.get());
    EXPECT_EQ(face.colour, c.lit) << c.colour;
  }
}

TEST_F(Lighting, ShadesOfTheReversedRampAreMirroredOnlyByTheFixedLights) {
  SetLight(13107, 0, 0, 0);  // 0.2 everywhere: shade 234 + 2
  Face& face = OneFace({0, kOne, 0}, 240);
  LightBodyFaces(mBody.get());
  EXPECT_EQ(face.colour, 243u);

  face.colour = 240;
  mBody->flags = kBodyVerticalLight;
  Matrix identity;
  MatrixIdentity(identity);
  LightBodyVertical(mBody.get(), identity);
  EXPECT_EQ(face.colour, 236u);
}

TEST_F(Lighting, SkippedFacesKeepTheirColour) {
  for (uint32_t flags : {kFaceSprite, kFaceLine, kFaceLinePoint}) {
    Face& face = OneFace({0, -kOne, 0}, 20, flags);
    LightBodyFaces(mBody.get());
    EXPECT_EQ(face.colour, 20u) << flags;
  }
}

TEST_F(Lighting, SecondColourFollowsTheShadeExceptForType11) {
  struct Case {
    uint32_t flags;
    int32_t type;
    uint32_t textureId;
  };
  const Case cases[] = {{0x1, 0, 23}, {kFaceSecondColour, 3, 23}, {0x1, 11, 999}, {0, 0, 999}};
  for (const Case& c : cases) {
    Face& face = OneFace({0, -kOne, 0}, 20, c.flags, c.type);
    LightBodyFaces(mBody.get());
    EXPECT_EQ(face.colour, 23u);
    EXPECT_EQ(face.textureId, c.textureId) << c.flags << " " << c.type;
  }
}

TEST_F(Lighting, VerticalLightTurnsWithTheBody) {
  Face& face = OneFace({0, -kOne, 0}, 20);
  Matrix identity;
  MatrixIdentity(identity);
  LightBodyVertical(mBody.get(), identity);
  EXPECT_EQ(face.colour, 20u) << "a body without the flag is left alone";

  mBody->flags = kBodyVerticalLight;
  LightBodyVertical(mBody.get(), identity);
  EXPECT_EQ(face.colour, 30u) << "0.8 + 0.1 of a ramp of 16";

  // Upside down the face looks up, away from the light: ambient only.
  face.colour = 20;
  Matrix flipped = identity;
  flipped[5] = -kOne;
  flipped[10] = -kOne;
  LightBodyVertical(mBody.get(), flipped);
  EXPECT_EQ(face.colour, 17u);
}

TEST_F(Lighting, GouraudCornersGetAShadeEach) {
  mBody.SetVertices({{0, 0, 0}, {kOne, 0, 0}, {0, 0, kOne}});
  Face& shaded = mBody.AddFace({0, 1, 2});
  Face& flat = mBody.AddFace({0, 2, 1});
  shaded.flags = kFaceVertexShaded;
  shaded.colour = 20;
  flat.colour = 20;
  const Vec3 normals[] = {{0, -kOne, 0}, {kOne, 0, 0}, {0, kOne, 0}};
  LightFaceVertices(mBody.get(), normals);
  EXPECT_EQ(shaded.texCoords[0].u, 23 * kOne);
  EXPECT_EQ(shaded.texCoords[1].u, 22 * kOne);
  EXPECT_EQ(shaded.texCoords[2].u, 17 * kOne);
  EXPECT_EQ(flat.texCoords[0].u, 1) << "faces without the flag are left alone";
  EXPECT_EQ(shaded.colour, 20u);
}

TEST_F(Lighting, SetFaceColourWritesBothFields) {
  Face& face = OneFace({0, kOne, 0}, 20);
  SetFaceColour(&face, 77);
  EXPECT_EQ(face.colour, 77u);
  EXPECT_EQ(face.textureId, 77u);
}

}  // namespace
