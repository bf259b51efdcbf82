#include <gtest/gtest.h>

#include "DrawFixture.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/SingleBodyPath.h"

namespace {

class SingleBodyPathTest : public DrawTest {
protected:
  // A body of view-space vertices with the faces given, each processed, drawn alone.
  BodyBuilder& Draw(const std::vector<Vec3>& vertices, const std::vector<std::vector<uint32_t>>& faces,
                    uint32_t flags = kFaceProcessed, std::size_t screenVertices = 0) {
    BodyBuilder& body = NewBody(vertices);
    for (const auto& indices : faces) body.AddFace(indices).flags = flags;
    GivePool(body, screenVertices);
    QueueSingleBody(body.get());
    TransformQueuedBodies();
    return body;
  }
};

struct NearCase {
  const char* name;
  std::vector<double> z;
  double farClip;
  std::vector<double> expected;
};

void PrintTo(const NearCase& c, std::ostream* os) { *os << c.name; }

class SingleBodyDepthTest : public SingleBodyPathTest, public ::testing::WithParamInterface<NearCase> {};

TEST_P(SingleBodyDepthTest, NearAndFarPlanes) {
  const NearCase& c = GetParam();
  gView.farClip = Fix(c.farClip);
  // Wound so that the screen shows the front.
  const std::vector<Vec3> vertices{{0, 0, Fix(c.z[0])}, {Fix(0.1), 0, Fix(c.z[1])}, {0, Fix(-0.1), Fix(c.z[2])}};
  BodyBuilder& body = Draw(vertices, {{0, 1, 2}});
  std::vector<Fixedpoint> expected;
  for (double z : c.expected) expected.push_back(Fix(z));
  EXPECT_EQ(DepthsOf(body.FaceAt(0)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleBodyDepthTest,
    ::testing::Values(NearCase{"AtThreeIsBehind", {3, 3, 3}, 0, {}},
                      NearCase{"OneInFrontGivesTriangle", {5, 2, 2}, 0, {3, 5, 3}},
                      NearCase{"TwoInFrontGiveQuad", {5, 5, 2}, 0, {3, 5, 5, 3}},
                      NearCase{"FarZeroNeverClips", {5, 20000, 20000}, 0, {5, 20000, 20000}},
                      NearCase{"FarClip", {5, 20, 20}, 10, {10, 5, 10}},
                      NearCase{"BothPlanesNearOnly", {2, 20, 20}, 10, {20, 3, 3, 20}}),
    CaseName<NearCase>);

TEST_F(SingleBodyPathTest, FacesAwayOnTheScreenAreCulled) {
  const std::vector<Vec3> vertices{{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(-1), Fix(10)}};
  BodyBuilder& body = Draw(vertices, {{0, 1, 2}, {0, 2, 1}});
  EXPECT_EQ(body.FaceAt(0).screenVertexCount, 3);
  EXPECT_EQ(body.FaceAt(1).screenVertexCount, 0);
}

TEST_F(SingleBodyPathTest, SharedVertexSameScreenPositionOwnTexture) {
  const std::vector<Vec3> vertices{{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(-1), Fix(10)}, {Fix(1), Fix(-1), Fix(10)}};
  BodyBuilder& body = Draw(vertices, {{0, 1, 2}, {1, 3, 2}});
  const ScreenVertex& first = body.FaceAt(0).firstScreenVertex[1];
  const ScreenVertex& second = body.FaceAt(1).firstScreenVertex[0];
  EXPECT_EQ(first.x, second.x);
  EXPECT_EQ(first.y, second.y);
  EXPECT_EQ(first.z, second.z);
  EXPECT_EQ(first.u, 10);
  EXPECT_EQ(second.u, 1);
}

TEST_F(SingleBodyPathTest, CulledFaceKeepsTheVerticesItCached) {
  // Face 0 faces away but projects vertex 0 first; face 2 copies vertex 0 from that cache
  // after face 1 has written its own vertices.
  const std::vector<Vec3> vertices{{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(-1), Fix(10)},
                                   {Fix(2), 0, Fix(10)}, {Fix(3), 0, Fix(10)}, {Fix(2), Fix(-1), Fix(10)},
                                   {Fix(-1), 0, Fix(10)}, {Fix(-1), Fix(-1), Fix(10)}};
  BodyBuilder& body = Draw(vertices, {{0, 2, 1}, {3, 4, 5}, {0, 6, 7}});
  EXPECT_EQ(body.FaceAt(0).screenVertexCount, 0);
  const ScreenVertex expected = Projected(0, 0, Fix(10));
  EXPECT_EQ(body.FaceAt(2).firstScreenVertex[0].x, expected.x);
  EXPECT_EQ(body.FaceAt(2).firstScreenVertex[0].y, expected.y);
}

TEST_F(SingleBodyPathTest, SpriteNeedsToLieBeyondTheNearPlaneOnly) {
  gView.farClip = Fix(5);  // sprites are not far-clipped
  BodyBuilder& body = Draw({{Fix(1), 0, Fix(10)}, {Fix(2), Fix(1), Fix(10)}, {0, 0, Fix(3)}}, {{0, 1}, {2}},
                           kFaceProcessed | kFaceSprite);
  const Face& sprite = body.FaceAt(0);
  ASSERT_EQ(sprite.screenVertexCount, 2);
  EXPECT_NEAR(sprite.firstScreenVertex[0].x, Px(110), 8);
  EXPECT_NEAR(sprite.firstScreenVertex[1].x, Px(10), 8);
  EXPECT_EQ(body.FaceAt(1).screenVertexCount, 0);
}

TEST_F(SingleBodyPathTest, ClippedToTheScreen) {
  const std::vector<Vec3> vertices{{Fix(-20), 0, Fix(10)}, {0, 0, Fix(10)}, {0, Fix(-1), Fix(10)}};
  BodyBuilder& body = Draw(vertices, {{0, 1, 2}});
  const Face& face = body.FaceAt(0);
  ASSERT_EQ(face.screenVertexCount, 4);
  for (int32_t i = 0; i < 4; ++i) EXPECT_GE(face.firstScreenVertex[i].x, 0);
  EXPECT_EQ(body->vertexPool->projectedCursor, face.firstScreenVertex + 4);
}

TEST_F(SingleBodyPathTest, UnprocessedAndSwitchedOffFacesAreSkipped) {
  const std::vector<Vec3> vertices{{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(-1), Fix(10)}};
  EXPECT_EQ(Draw(vertices, {{0, 1, 2}}, 0).FaceAt(0).screenVertexCount, 0);
  EXPECT_EQ(Draw(vertices, {{0, 1, 2}}, kFaceProcessed | kFaceSwitchedOff).FaceAt(0).screenVertexCount, 0);
}

TEST_F(SingleBodyPathTest, FullPoolDropsFurtherFaces) {
  const std::vector<Vec3> vertices{{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(-1), Fix(10)}};
  BodyBuilder& body = Draw(vertices, {{0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}}, kFaceProcessed, 7);
  const VertexPool& pool = *body->vertexPool;
  EXPECT_LE(pool.projectedCursor, pool.projectedEnd);
  EXPECT_EQ(body.FaceAt(0).screenVertexCount, 3);
  EXPECT_EQ(body.FaceAt(3).screenVertexCount, 0);
}

}  // namespace
