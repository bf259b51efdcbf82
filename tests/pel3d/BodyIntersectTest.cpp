#include <gtest/gtest.h>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyIntersect.h"

namespace {

constexpr Fixedpoint kOne = 65536;

// A square of side 2.0 at y = 0 around the origin whose normal points down, so that a ray
// going down runs along it.
class Intersect : public ::testing::Test {
protected:
  void SetUp() override {
    mBody.SetVertices({{-kOne, 0, -kOne}, {-kOne, 0, kOne}, {kOne, 0, kOne}, {kOne, 0, -kOne}});
    mBody.AddFace({0, 1, 2, 3});
    mBody.ComputePlanes();
    ASSERT_EQ(mBody.FaceAt(0).plane->normal, (Vec3{0, -kOne, 0}));
  }

  BodyBuilder mBody;
};

TEST_F(Intersect, DistanceToTheFirstFaceTheRayRunsAlong) {
  struct Case {
    const char* name;
    Vec3 point;
    Vec3 direction;
    Fixedpoint maxDistance;
    Vec3 offset;
    Fixedpoint distance;
  };
  const Case cases[] = {
      {"straight down", {0, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, 10 * kOne},
      {"going up", {0, -10 * kOne, 0}, {0, kOne, 0}, 20 * kOne, {}, -1},
      {"dot product 1310", {0, 10 * kOne, 0}, {0, -1310, 0}, 1000 * kOne, {}, -1},
      {"dot product 1311", {0, 10 * kOne, 0}, {0, -1311, 0}, 1000 * kOne, {}, FixDiv(10 * kOne, 1311)},
      {"foot 1.9 beyond the box", {kOne + 124518, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, 10 * kOne},
      {"foot 2.1 beyond the box", {kOne + 137625, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, -1},
      {"beyond the distance and its 5.0", {0, 10 * kOne, 0}, {0, -kOne, 0}, 4 * kOne, {}, -1},
      {"within the distance's 5.0", {0, 10 * kOne, 0}, {0, -kOne, 0}, 5 * kOne, {}, 10 * kOne},
      {"behind the start", {0, -3 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, -3 * kOne},
      {"body placed at an offset", {5 * kOne, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {5 * kOne, 0, 0}, 10 * kOne},
  };
  for (const Case& c : cases) {
    const Plane* plane = nullptr;
    EXPECT_EQ(IntersectBody(c.point, c.direction, c.maxDistance, c.offset, mBody.get(), &plane), c.distance)
        << c.name;
    EXPECT_EQ(plane, c.distance == -1 ? nullptr : mBody.FaceAt(0).plane) << c.name;
  }
}

TEST_F(Intersect, FacesWithoutAPlaneAreNeverHit) {
  mBody.FaceAt(0).plane = nullptr;
  EXPECT_EQ(IntersectBody({0, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, mBody.get()), -1);
}

TEST_F(Intersect, FirstFaceInListOrderWins) {
  // A second square 4.0 lower: listed first, it is the one reported though it lies farther.
  BodyBuilder body;
  body.SetVertices({{-kOne, 0, -kOne}, {-kOne, 0, kOne}, {kOne, 0, kOne}, {kOne, 0, -kOne},
                    {-kOne, -4 * kOne, -kOne}, {-kOne, -4 * kOne, kOne}, {kOne, -4 * kOne, kOne},
                    {kOne, -4 * kOne, -kOne}});
  body.AddFace({4, 5, 6, 7});
  body.AddFace({0, 1, 2, 3});
  body.ComputePlanes();
  EXPECT_EQ(IntersectBody({0, 10 * kOne, 0}, {0, -kOne, 0}, 20 * kOne, {}, body.get()), 14 * kOne);
}

}  // namespace
