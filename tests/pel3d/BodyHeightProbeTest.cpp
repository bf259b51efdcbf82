#include <gtest/gtest.h>

#include <vector>

#include "BodyBuilder.h"
#include "pel3d/bodies/BodyHeightProbe.h"

namespace {

constexpr Fixedpoint kOne = 65536;

// Builds bodies of level squares (floors face down, ceilings up) and other faces.
class Shapes {
public:
  explicit Shapes(Fixedpoint radius) { mBody->radius = radius; }

  // A square of half side h around (x, z) at height y whose normal points down: a floor.
  Face& Floor(Fixedpoint x, Fixedpoint y, Fixedpoint z, Fixedpoint h = 2 * kOne) {
    return Square({x - h, y, z - h}, {x - h, y, z + h}, {x + h, y, z + h}, {x + h, y, z - h});
  }
  // The same square with its normal up: a ceiling.
  Face& Ceiling(Fixedpoint x, Fixedpoint y, Fixedpoint z, Fixedpoint h = 2 * kOne) {
    return Square({x - h, y, z - h}, {x + h, y, z - h}, {x + h, y, z + h}, {x - h, y, z + h});
  }
  // A wall in the plane x = x0 from y0 to y1, z from -2.0 to 2.0.
  Face& Wall(Fixedpoint x0, Fixedpoint y0, Fixedpoint y1) {
    return Square({x0, y0, -2 * kOne}, {x0, y1, -2 * kOne}, {x0, y1, 2 * kOne}, {x0, y0, 2 * kOne});
  }
  Face& Polygon(const std::vector<Vec3>& corners, uint32_t flags = 0) {
    std::vector<uint32_t> indices;
    for (const Vec3& corner : corners) {
      indices.push_back(static_cast<uint32_t>(mVertices.size()));
      mVertices.push_back(corner);
    }
    mBody.SetVertices(mVertices);
    Face& face = mBody.AddFace(indices);
    face.flags = flags;
    face.colour = 50 + mBody->faceCount;
    return face;
  }
  Body* get() {
    mBody.ComputePlanes();
    return mBody.get();
  }

private:
  Face& Square(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) { return Polygon({a, b, c, d}); }

  BodyBuilder mBody;
  std::vector<Vec3> mVertices;
};

TEST(HeightProbe, PointsHighAboveTheBodyGiveAnEighthOfItsRadius) {
  Shapes shapes(10 * kOne);
  shapes.Floor(0, 12 * kOne, 0);
  uint32_t word = 0;
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 26 * kOne, 0, word, 3), 81920);
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 25 * kOne, 0, word, 3), 12 * kOne);
}

TEST(HeightProbe, HighestFloorUnderTheSquare) {
  struct Case {
    const char* name;
    Fixedpoint x;
    Fixedpoint radius;
    Fixedpoint height;
  };
  // A roof at 12.0 around the origin, a lower one at 3.0 around x = 10.0, a slope y = x
  // over x from 0 to 4.0 around x = 20.0, and a floor at -5.0 around x = 40.0.
  Shapes shapes(100 * kOne);
  shapes.Floor(0, 12 * kOne, 0);
  shapes.Floor(10 * kOne, 3 * kOne, 0);
  shapes.Polygon({{20 * kOne, 0, 0}, {20 * kOne, 0, 4 * kOne}, {24 * kOne, 4 * kOne, 0}});
  shapes.Floor(40 * kOne, -5 * kOne, 0);
  const Case cases[] = {
      {"on the roof", 0, 3, 12 * kOne},
      {"the square reaches the roof's edge", 5 * kOne, 3 * kOne, 12 * kOne},
      {"between the roofs", 5 * kOne, kOne / 2, 0},
      {"on the lower roof", 10 * kOne, 3, 3 * kOne},
      {"on the slope", 21 * kOne, 3, kOne},
      {"plane above the face: middle of its height", 26 * kOne, 3 * kOne, 2 * kOne},
      {"a floor below 0 counts as 0", 40 * kOne, 3, 0},
  };
  for (const Case& c : cases) {
    uint32_t word = 0;
    EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), c.x, 34 * kOne, 0, word, c.radius), c.height) << c.name;
  }
}

TEST(HeightProbe, ReportsTheFaceThatSetTheHeight) {
  Shapes shapes(100 * kOne);
  shapes.Floor(kOne, 3 * kOne, 0);
  const uint32_t roofColour = shapes.Floor(kOne, 12 * kOne, 0, 4 * kOne).colour;
  uint32_t word = 0;
  Vec3 offset{9, 9, 9};
  int32_t inside = 7;
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 34 * kOne, 0, word, 3, &offset, &inside), 12 * kOne);
  EXPECT_EQ(word, roofColour);
  EXPECT_EQ(offset, (Vec3{kOne, 0, 0}));
  EXPECT_EQ(inside, 1);

  // 2.0 from the roof's edge is still inside, closer is not.
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 3 * kOne, 34 * kOne, 0, word, 3, &offset, &inside), 12 * kOne);
  EXPECT_EQ(inside, 1);
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 3 * kOne + 1, 34 * kOne, 0, word, 3, &offset, &inside), 12 * kOne);
  EXPECT_EQ(inside, 0);

  // Nothing under the square: the word is left alone.
  word = 1234;
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 50 * kOne, 34 * kOne, 0, word, 3, &offset, &inside), 0);
  EXPECT_EQ(word, 1234u);
}

TEST(HeightProbe, NearestSurfaceMode) {
  struct Case {
    const char* name;
    Fixedpoint y;
    bool withCeiling;
    Fixedpoint height;
  };
  // Floors at 5.0, 12.0 and 30.0; a ceiling at 25.0 in some cases.
  const Case cases[] = {
      {"from 11.0 the floor at 12.0 above is the lowest at or above", 11 * kOne, false, 12 * kOne},
      {"from 12.0 the floor at the point counts as above", 12 * kOne, false, 12 * kOne},
      {"from 13.0 the floor above, with no ceiling before it", 13 * kOne, false, 30 * kOne},
      {"from 31.0 the highest floor below", 31 * kOne, false, 30 * kOne},
      {"a ceiling under the floor above: the floor below", 13 * kOne, true, 12 * kOne},
      {"a ceiling exactly 10.0 above the point counts", 15 * kOne, true, 12 * kOne},
      {"a ceiling less than 10.0 above the point does not", 15 * kOne + 1, true, 30 * kOne},
      {"a ceiling beyond the floor above: that floor", 11 * kOne, true, 12 * kOne},
  };
  for (const Case& c : cases) {
    Shapes shapes(100 * kOne);
    shapes.Floor(0, 5 * kOne, 0);
    shapes.Floor(0, 12 * kOne, 0);
    shapes.Floor(0, 30 * kOne, 0);
    if (c.withCeiling) shapes.Ceiling(0, 25 * kOne, 0);
    uint32_t word = kProbeNearestSurface;
    EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, c.y, 0, word, 3), c.height) << c.name;
  }
}

TEST(HeightProbe, CeilingCloserThanTheFloorAboveGivesTheFloorBelow) {
  Shapes shapes(100 * kOne);
  shapes.Floor(0, 5 * kOne, 0);
  shapes.Floor(0, 30 * kOne, 0);
  uint32_t word = kProbeNearestSurface;
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 11 * kOne, 0, word, 3), 30 * kOne);
  shapes.Ceiling(0, 22 * kOne, 0);
  word = kProbeNearestSurface;  // the probe left the floor's colour in it
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 11 * kOne, 0, word, 3), 5 * kOne);
  // Ceilings count only in the mode.
  word = 0;
  EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, 11 * kOne, 0, word, 3), 30 * kOne);
}

TEST(HeightProbe, PointFacesStandAsTallAsTheirSecondVertex) {
  Shapes shapes(100 * kOne);
  shapes.Polygon({{kOne, 0, 0}, {kOne, 7 * kOne, 0}}, kFaceSprite);
  shapes.Polygon({{20 * kOne, 4 * kOne, 0}}, kFaceSprite);  // one vertex: both ends
  shapes.Floor(0, 9 * kOne, 30 * kOne);
  struct Case {
    Fixedpoint x;
    Fixedpoint height;
  };
  const Case cases[] = {{0, 7 * kOne}, {5 * kOne, 7 * kOne}, {5 * kOne + 1, 0}, {18 * kOne, 4 * kOne}};
  for (const Case& c : cases) {
    uint32_t word = 0;
    Vec3 offset;
    EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), c.x, 20 * kOne, 0, word, 0, &offset), c.height) << c.x;
  }
  uint32_t word = 0;
  Vec3 offset;
  ProbeBodyHeightLocal(shapes.get(), 0, 20 * kOne, 0, word, 0, &offset);
  EXPECT_EQ(offset, (Vec3{kOne, 0, 0}));
}

TEST(HeightProbe, LineFacesAndFacesWithoutAPlaneAreSkipped) {
  Shapes shapes(100 * kOne);
  shapes.Floor(0, 12 * kOne, 0).flags = kFaceLine;
  shapes.Floor(0, 11 * kOne, 0).flags = kFaceLinePoint;
  Body* body = shapes.get();
  uint32_t word = 0;
  EXPECT_EQ(ProbeBodyHeightLocal(body, 0, 20 * kOne, 0, word, 3), 0);
  body->faces->flags = 0;
  body->faces->plane = nullptr;
  EXPECT_EQ(ProbeBodyHeightLocal(body, 0, 20 * kOne, 0, word, 3), 0);
}

TEST(HeightProbe, MatrixTurnsThePointIntoBodySpace) {
  Shapes shapes(100 * kOne);
  shapes.Floor(5 * kOne, 12 * kOne, 0);
  Matrix turn;
  MatrixIdentity(turn);
  turn[0] = 0;
  turn[2] = kOne;
  turn[8] = -kOne;
  turn[10] = 0;
  EXPECT_EQ(ProbeBodyHeight(shapes.get(), turn, {0, 34 * kOne, -5 * kOne}, 3), 12 * kOne);
  EXPECT_EQ(ProbeBodyHeight(shapes.get(), turn, {5 * kOne, 34 * kOne, 0}, 3), 0);
}

TEST(ContactProbe, WallsReachingIntoTheProbeCountInTheMode) {
  struct Case {
    const char* name;
    uint32_t word;
    Fixedpoint y;
    Fixedpoint height;
  };
  // A wall at x = 1.0 from 0 to 8.0; probes around the origin with radius 2.0 and height 2.0.
  const Case cases[] = {
      {"middle of the wall's top and the point", kProbeNearestSurface, 3 * kOne, 5 * kOne + kOne / 2},
      {"mode off: walls are skipped", 0, 3 * kOne, 0},
      {"the wall's top at the point", kProbeNearestSurface, 8 * kOne, 0},
      {"the wall's foot at the probe's top", kProbeNearestSurface, -2 * kOne, 0},
      {"the wall's foot just inside", kProbeNearestSurface, -2 * kOne + 1, 3 * kOne},
  };
  for (const Case& c : cases) {
    Shapes shapes(100 * kOne);
    shapes.Wall(kOne, 0, 8 * kOne);
    uint32_t word = c.word;
    EXPECT_EQ(ProbeBodyContact(shapes.get(), 0, c.y, 0, word, 2 * kOne, 2 * kOne), c.height) << c.name;
    word = c.word;
    EXPECT_EQ(ProbeBodyHeightLocal(shapes.get(), 0, c.y, 0, word, 2 * kOne), 0) << c.name;
  }
}

TEST(ContactProbe, CeilingCountsFromTheProbeHeight) {
  Shapes shapes(100 * kOne);
  shapes.Floor(0, 5 * kOne, 0);
  shapes.Floor(0, 30 * kOne, 0);
  shapes.Ceiling(0, 14 * kOne, 0);
  uint32_t word = kProbeNearestSurface;
  EXPECT_EQ(ProbeBodyContact(shapes.get(), 0, 11 * kOne, 0, word, 3, 3 * kOne), 5 * kOne);
  word = kProbeNearestSurface;
  EXPECT_EQ(ProbeBodyContact(shapes.get(), 0, 11 * kOne, 0, word, 3, 3 * kOne + 1), 30 * kOne);
}

}  // namespace
