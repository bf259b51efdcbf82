#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "DrawFixture.h"
#include "pel3d/draw/FaceListing.h"
#include "pel3d/draw/FaceProcessing.h"
#include "pel3d/draw/ScreenClip.h"
#include "pel3d/draw/VertexOutput.h"

namespace {

class FaceProcessingTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    MatrixIdentity(gCellObjectSpace.matrix);
    gCellObjectSpace.camera = {};
  }

  // Queues the bodies as static objects of one cell and processes them.
  void Process(std::initializer_list<BodyBuilder*> queued) {
    for (BodyBuilder* body : queued) AppendQueuedBody(body->get());
    TransformCellObjects();
  }

  // A body with one face over all of its vertices, drawn, in a pool of its own.
  Face& OneFace(const std::vector<Vec3>& vertices, uint32_t flags = 0) {
    BodyBuilder& body = NewBody(vertices);
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < vertices.size(); ++i) indices.push_back(i);
    Face& face = Drawn(body, body.AddFace(indices), flags);
    GivePool(body);
    Process({&body});
    return face;
  }

  static bool InsideClip(const Face& face) {
    for (int32_t i = 0; i < face.screenVertexCount; ++i) {
      const ScreenVertex& v = face.firstScreenVertex[i];
      if (v.x < 0 || v.x > Px(200) || v.y < 0 || v.y > Px(200)) return false;
    }
    return true;
  }
};

struct DepthCase {
  const char* name;
  std::vector<double> z;
  double farClip;
  uint32_t flags;
  std::vector<double> expected;  // depths of the screen vertices; empty when not drawn
};

void PrintTo(const DepthCase& c, std::ostream* os) { *os << c.name; }

class DepthClipTest : public FaceProcessingTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(DepthClipTest, NearAndFarPlanes) {
  const DepthCase& c = GetParam();
  gView.farClip = Fix(c.farClip);
  std::vector<Vec3> vertices;
  for (std::size_t i = 0; i < c.z.size(); ++i) {
    vertices.push_back({Fix(0.1 * static_cast<double>(i % 2)), Fix(0.1 * static_cast<double>(i / 2)), Fix(c.z[i])});
  }
  const Face& face = OneFace(vertices, c.flags);
  std::vector<Fixedpoint> expected;
  for (double z : c.expected) expected.push_back(Fix(z));
  EXPECT_EQ(DepthsOf(face), expected);
  EXPECT_EQ(gSortedList.count, expected.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DepthClipTest,
    ::testing::Values(
        // Walked from (last, first): the kept 5.0, the crossing, the crossing, the kept 5.0;
        // not far-clipped in the same pass although 5.0 lies beyond the far plane.
        DepthCase{"NearClipToQuad", {2.0, 5.0, 5.0}, 4.0, 0, {5.0, 3.0, 3.0, 5.0}},
        DepthCase{"AllAtNearPlaneCulled", {3.0, 3.0, 3.0}, 0.0, 0, {}},
        DepthCase{"AllBehindCulled", {1.0, 2.0, -4.0}, 0.0, 0, {}},
        DepthCase{"FarZeroNeverFarClips", {5.0, 30000.0, 30000.0}, 0.0, 0, {5.0, 30000.0, 30000.0}},
        DepthCase{"FarClip", {5.0, 15.0, 15.0}, 10.0, 0, {10.0, 5.0, 10.0}},
        DepthCase{"AllBeyondFarCulled", {15.0, 15.0, 15.0}, 10.0, 0, {}},
        DepthCase{"NoFarClipFlag", {5.0, 15.0, 15.0}, 10.0, kFaceNoFarClip, {5.0, 15.0, 15.0}}),
    CaseName<DepthCase>);

TEST_F(FaceProcessingTest, NearCrossingLiesOnTheEdgeAtDepthThree) {
  // From (0, 1, 5) to (0, 0, 2) the plane z = 3 is a third of the way from (0, 0, 2).
  const Face& face = OneFace({{0, 0, Fix(2)}, {Fix(1), 0, Fix(5)}, {0, Fix(1), Fix(5)}});
  ASSERT_EQ(face.screenVertexCount, 4);
  const ScreenVertex& crossing = face.firstScreenVertex[1];
  EXPECT_EQ(crossing.x, Px(100));
  EXPECT_NEAR(crossing.y, Px(100 - 100.0 / 9), 16);
  // u runs from 0 at (0, 0, 2) to 20 at (0, 1, 5): a third of the way, truncated.
  EXPECT_EQ(crossing.u, 6);
}

TEST_F(FaceProcessingTest, WhollyOutsideOneEdgeIsDropped) {
  // At depth 10, x = -11 lands 10 pixels left of the view.
  const Face& face = OneFace({{Fix(-11), 0, Fix(10)}, {Fix(-12), Fix(1), Fix(10)}, {Fix(-11), Fix(2), Fix(10)}});
  EXPECT_EQ(face.screenVertexCount, 0);
  EXPECT_EQ(gSortedList.count, 0);
}

TEST_F(FaceProcessingTest, BodyOffScreenLeavesItsPoolRoomToTheNext) {
  // Both bodies share a pool with room for one face's screen vertices.
  BodyBuilder& hidden = NewBody({{Fix(-11), 0, Fix(10)}, {Fix(-12), Fix(1), Fix(10)}, {Fix(-11), Fix(2), Fix(10)}});
  BodyBuilder& shown = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  Drawn(hidden, hidden.AddFace({0, 1, 2}));
  const Face& face = Drawn(shown, shown.AddFace({0, 1, 2}));
  GivePool(hidden, 3);
  AttachVertexPool(shown.get(), hidden->vertexPool);
  Process({&hidden, &shown});
  EXPECT_EQ(face.screenVertexCount, 3);
  EXPECT_EQ(gSortedList.count, 1);
}

TEST_F(FaceProcessingTest, CrossingLeftAndTopIsClippedLeftThenTop) {
  // Screen positions (-50, -50), (150, 50), (50, 150) at depth 10.
  const Face& face = OneFace({{Fix(-15), Fix(15), Fix(10)}, {Fix(5), Fix(5), Fix(10)}, {Fix(-5), Fix(-5), Fix(10)}});
  ASSERT_EQ(face.screenVertexCount, 5);
  EXPECT_TRUE(InsideClip(face));
  // The left pass leaves (50, 150), (0, 50), (0, -25), (150, 50); the top pass starts at
  // the last of them.
  const std::vector<std::pair<int32_t, int32_t>> expected{
      {Px(150), Px(50)}, {Px(50), Px(150)}, {0, Px(50)}, {0, 0}, {Px(50), 0}};
  for (int32_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(face.firstScreenVertex[i].x, expected[i].first, 64) << i;
    EXPECT_NEAR(face.firstScreenVertex[i].y, expected[i].second, 64) << i;
  }
}

// A regular polygon facing the camera, tilted in depth by the sine of the angle; corner 0
// at the phase angle.
std::vector<Vec3> Circle(int count, double radius, double depth, double tilt, double phase = 0) {
  std::vector<Vec3> vertices;
  for (int i = 0; i < count; ++i) {
    const double angle = 2 * std::numbers::pi * i / count + phase;
    vertices.push_back({Fix(radius * std::cos(angle)), Fix(radius * std::sin(angle)),
                        Fix(depth + tilt * std::sin(angle))});
  }
  return vertices;
}

TEST_F(FaceProcessingTest, FacesUpTo128VerticesAreClippedWithinTheBuffers) {
  const Face& inside = OneFace(Circle(128, 1.0, 10.0, 0.0));
  EXPECT_EQ(inside.screenVertexCount, 128);

  // Crosses the near plane and all four screen edges: kept within the clip buffers or
  // dropped, never written past them.
  const Face& big = OneFace(Circle(128, 20.0, 10.0, 8.0));
  EXPECT_LE(big.screenVertexCount, kClipBufferCapacity);
  EXPECT_TRUE(InsideClip(big));
  // A face of 100 corners clipped left and top fits.
  const Face& corner = OneFace(Circle(100, 5.0, 10.0, 0.0));
  EXPECT_GT(corner.screenVertexCount, 50);
  EXPECT_TRUE(InsideClip(corner));
}

TEST_F(FaceProcessingTest, ClipResultBeyondTheBuffersIsDropped) {
  // A regular polygon whose leftmost corner alone pokes past the left edge gains one
  // vertex from the clip: 127 corners fit the buffers as 128, 128 corners would need 129.
  for (const auto& [corners, expected] : {std::pair{127, 128}, std::pair{128, 0}}) {
    std::vector<Vec3> vertices = Circle(corners, 5.0, 10.0, 0.0, std::numbers::pi);
    for (Vec3& vertex : vertices) vertex.x += Fix(-5.003);
    const Face& face = OneFace(vertices);
    EXPECT_EQ(face.screenVertexCount, expected) << corners;
  }
}

TEST_F(FaceProcessingTest, LineFaceCrossingTheNearPlaneGivesTwoVertices) {
  const Face& line = OneFace({{0, 0, Fix(2)}, {0, Fix(1), Fix(5)}}, kFaceLine);
  ASSERT_EQ(line.screenVertexCount, 2);
  EXPECT_EQ(DepthsOf(line), (std::vector<Fixedpoint>{Fix(5), Fix(3)}));
  // Crossing the left edge it keeps its inner end and gains the crossing.
  const Face& left = OneFace({{Fix(-20), 0, Fix(10)}, {0, 0, Fix(10)}}, kFaceLinePoint);
  ASSERT_EQ(left.screenVertexCount, 2);
  EXPECT_EQ(left.firstScreenVertex[1].x, 0);
}

TEST_F(FaceProcessingTest, LineFaceIsNeverCulled) {
  Face& line = OneFace({{0, 0, Fix(5)}, {0, Fix(1), Fix(5)}}, kFaceLine);
  EXPECT_EQ(line.screenVertexCount, 2);
  gCellObjectSpace.camera = {0, 0, Fix(50)};
  gSortedList.Empty();
  const Face& away = OneFace({{0, 0, Fix(5)}, {0, Fix(1), Fix(5)}}, kFaceLine);
  EXPECT_EQ(away.screenVertexCount, 2);
}

TEST_F(FaceProcessingTest, PointFaceHasACentreAndASize) {
  gView.farClip = Fix(100);
  const Face& point = OneFace({{Fix(1), 0, Fix(10)}, {Fix(2), Fix(1), Fix(10)}}, kFaceSprite);
  ASSERT_EQ(point.screenVertexCount, 2);
  EXPECT_NEAR(point.firstScreenVertex[0].x, Px(110), 8);
  EXPECT_EQ(point.firstScreenVertex[0].y, Px(100));
  EXPECT_EQ(point.firstScreenVertex[0].z, Fix(10));
  EXPECT_NEAR(point.firstScreenVertex[1].x, Px(10), 8);
  EXPECT_NEAR(point.firstScreenVertex[1].y, Px(10), 8);  // not negated
  EXPECT_EQ(point.firstScreenVertex[1].u, 10);  // the second texture pair
  ASSERT_EQ(gSortedList.count, 1);
  EXPECT_EQ(gSortedList.entries[0].depth, Fix(10));
}

TEST_F(FaceProcessingTest, OneVertexPointFaceHasSizeZero) {
  gView.farClip = Fix(100);
  const Face& point = OneFace({{Fix(1), 0, Fix(10)}}, kFaceSprite);
  ASSERT_EQ(point.screenVertexCount, 2);
  EXPECT_EQ(point.firstScreenVertex[1].x, 0);
  EXPECT_EQ(point.firstScreenVertex[1].y, 0);
  EXPECT_EQ(point.firstScreenVertex[1].u, point.firstScreenVertex[0].u);
}

TEST_F(FaceProcessingTest, PointFacesNeedAFarPlaneAndLieBetweenThePlanes) {
  struct Case {
    double farClip;
    double z;
    int32_t expected;
  };
  for (const Case& c : {Case{0, 10, 0}, Case{100, 3, 0}, Case{100, 100, 0}, Case{100, 99, 2}}) {
    gView.farClip = Fix(c.farClip);
    const Face& point = OneFace({{0, 0, Fix(c.z)}}, kFaceSprite);
    EXPECT_EQ(point.screenVertexCount, c.expected) << c.farClip << " " << c.z;
  }
}

struct DepthKeyCase {
  const char* name;
  std::vector<double> z;
  uint32_t flags;
  double expected;  // < 0: dropped
  bool unsorted;
};

void PrintTo(const DepthKeyCase& c, std::ostream* os) { *os << c.name; }

class DepthKeyTest : public FaceProcessingTest, public ::testing::WithParamInterface<DepthKeyCase> {};

TEST_P(DepthKeyTest, KeyAndList) {
  const DepthKeyCase& c = GetParam();
  std::vector<Vec3> vertices;
  for (std::size_t i = 0; i < c.z.size(); ++i) {
    vertices.push_back({Fix(0.1 * static_cast<double>(i == 1 || i == 2)), Fix(0.1 * static_cast<double>(i >= 2)), Fix(c.z[i])});
  }
  OneFace(vertices, c.flags);
  const PolygonList& list = c.unsorted ? gUnsortedList : gSortedList;
  const PolygonList& other = c.unsorted ? gSortedList : gUnsortedList;
  EXPECT_EQ(other.count, 0);
  if (c.expected < 0) {
    EXPECT_EQ(list.count, 0);
    return;
  }
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(list.entries[0].depth, Fix(c.expected));
  EXPECT_EQ(list.entries[0].vertexCount, static_cast<int32_t>(c.z.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DepthKeyTest,
    ::testing::Values(DepthKeyCase{"Greatest", {10, 30, 20}, 0, 30, false},
                      DepthKeyCase{"MeanOfQuad", {10, 10, 20, 20}, kFaceMeanDepth, 15, false},
                      DepthKeyCase{"MeanOfTriangle", {10, 20, 30}, kFaceMeanDepth, 20, false},
                      DepthKeyCase{"MeanOfTwoDropped", {10, 20}, kFaceMeanDepth, -1, false},
                      DepthKeyCase{"UnsortedKeepsGreatest", {10, 10, 20, 20}, kFaceMeanDepth | kFaceUnsorted, 20, true}),
    CaseName<DepthKeyCase>);

struct CullCase {
  const char* name;
  uint32_t flags;
  int32_t type;
  Vec3 normal;
  double cameraZ;  // the face's point lies at z = 10
  bool visible;
};

void PrintTo(const CullCase& c, std::ostream* os) { *os << c.name; }

class BackFaceTest : public ::testing::TestWithParam<CullCase> {};

TEST_P(BackFaceTest, ModelSpaceTest) {
  const CullCase& c = GetParam();
  const Vec3 point{Fix(1), Fix(2), Fix(10)};
  Plane plane{c.normal, &point};
  Face face;
  face.flags = c.flags;
  face.type = c.type;
  face.plane = &plane;
  EXPECT_EQ(FaceFacesCamera(face, {Fix(1), Fix(2), Fix(c.cameraZ)}), c.visible);
}

constexpr Vec3 kAlongZ{0, 0, kFixedOne};
constexpr Vec3 kAgainstZ{0, 0, -kFixedOne};

INSTANTIATE_TEST_SUITE_P(
    Cases, BackFaceTest,
    ::testing::Values(CullCase{"GeneralFront", kFaceGeneralPlane, 0, kAlongZ, 0, true},
                      CullCase{"GeneralInPlane", kFaceGeneralPlane, 0, kAlongZ, 10, true},
                      CullCase{"GeneralBehind", kFaceGeneralPlane, 0, kAlongZ, 20, false},
                      CullCase{"GeneralOtherWay", kFaceGeneralPlane, 0, kAgainstZ, 0, false},
                      CullCase{"RemapNeverCulled", kFaceGeneralPlane, 11, kAlongZ, 20, true},
                      CullCase{"AxisPositiveBefore", kFaceAlongZ | kFacePositiveAxis, 0, kAlongZ, 0, true},
                      CullCase{"AxisPositiveAt", kFaceAlongZ | kFacePositiveAxis, 0, kAlongZ, 10, true},
                      CullCase{"AxisPositiveBeyond", kFaceAlongZ | kFacePositiveAxis, 0, kAlongZ, 20, false},
                      CullCase{"AxisNegativeBeyond", kFaceAlongZ, 0, kAgainstZ, 20, true},
                      CullCase{"AxisNegativeAt", kFaceAlongZ, 0, kAgainstZ, 10, false},
                      CullCase{"NoPlaneClassCulled", 0, 0, kAlongZ, 0, false}),
    CaseName<CullCase>);

TEST_F(FaceProcessingTest, SharedVertexIsProjectedOnceAndItsCacheSurvivesClipping) {
  // Face 0 crosses the left edge, so its clipped copy is written behind its projected
  // vertices; face 1 shares vertex 1, whose cached projection face 0 made.
  BodyBuilder& body = NewBody({{Fix(-20), 0, Fix(10)}, {0, 0, Fix(10)}, {0, Fix(1), Fix(10)}, {Fix(1), 0, Fix(10)}});
  Face& first = Drawn(body, body.AddFace({0, 1, 2}));
  Face& second = Drawn(body, body.AddFace({1, 3, 2}));
  GivePool(body);
  Process({&body});
  ASSERT_EQ(first.screenVertexCount, 4);
  ASSERT_EQ(second.screenVertexCount, 3);
  const TransformedVertex& shared = body->vertexPool->transformedBase[1];
  ASSERT_NE(shared.projection, nullptr);
  const ScreenVertex expected = Projected(0, 0, Fix(10));
  EXPECT_EQ(shared.projection->x, expected.x);
  EXPECT_EQ(shared.projection->y, expected.y);
  EXPECT_EQ(second.firstScreenVertex[0].x, expected.x);
  EXPECT_EQ(second.firstScreenVertex[0].u, 1);  // its own texture pair
  EXPECT_GE(second.firstScreenVertex, first.firstScreenVertex + first.screenVertexCount);
  EXPECT_EQ(body->vertexPool->projectedCursor, second.firstScreenVertex + 3);
}

TEST_F(FaceProcessingTest, FullPolygonListDropsFurtherFaces) {
  BodyBuilder& body = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  for (int32_t i = 0; i <= kPolygonListCapacity; ++i) Drawn(body, body.AddFace({0, 1, 2}));
  GivePool(body);
  Process({&body});
  EXPECT_EQ(gSortedList.count, kPolygonListCapacity);
  EXPECT_EQ(body.FaceAt(kPolygonListCapacity - 1).screenVertexCount, 3);
  EXPECT_EQ(body.FaceAt(kPolygonListCapacity).screenVertexCount, 0);
  EXPECT_EQ(gDrawSettings.counters.facesConsidered, kPolygonListCapacity + 1);
}

TEST_F(FaceProcessingTest, FullPoolDropsFurtherFaces) {
  BodyBuilder& body = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  for (int i = 0; i < 5; ++i) Drawn(body, body.AddFace({0, 1, 2}));
  GivePool(body, 10);
  Process({&body});
  const VertexPool& pool = *body->vertexPool;
  EXPECT_LE(pool.projectedCursor, pool.projectedEnd);
  int32_t drawn = 0;
  for (int i = 0; i < 5; ++i) drawn += body.FaceAt(i).screenVertexCount == 3;
  const VertexOutput room{pool.projectedBase, pool.projectedEnd};
  EXPECT_EQ(drawn, room.Room() / 3);
  EXPECT_EQ(gSortedList.count, drawn);
}

TEST_F(FaceProcessingTest, BodyWithoutRoomInAPoolIsNotDrawn) {
  BodyBuilder& none = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  Face& stale = Drawn(none, none.AddFace({0, 1, 2}));
  stale.screenVertexCount = 3;  // left from an earlier frame

  BodyBuilder& small = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  Face& face = Drawn(small, small.AddFace({0, 1, 2}));
  VertexPool* pool = CreateVertexPool(sizeof(TransformedVertex), 64 * sizeof(ScreenVertex));
  ASSERT_NE(pool, nullptr);
  pools.push_back(pool);
  AttachVertexPool(small.get(), pool);

  Process({&none, &small});
  EXPECT_EQ(stale.screenVertexCount, 0);
  EXPECT_EQ(face.screenVertexCount, 0);
  EXPECT_EQ(gSortedList.count, 0);
}

TEST_F(FaceProcessingTest, EachOwnMatrixObjectKeepsItsCameraSlot) {
  // Each body has one face at z = 10 that a camera at z 20 sees from behind.
  auto body = [&](bool own) -> BodyBuilder& {
    BodyBuilder& b = NewBody({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
    Drawn(b, b.AddFace({0, 1, 2}));
    if (own) b->flags |= kBodyOwnMatrix;
    GivePool(b);
    return b;
  };
  BodyBuilder& first = body(true);
  BodyBuilder& cellObject = body(false);
  BodyBuilder& last = body(true);
  AppendQueuedBody(first.get(), {0, 0, 0});
  AppendQueuedBody(cellObject.get());
  AppendQueuedBody(last.get(), {0, 0, Fix(20)});
  TransformCellObjects();
  EXPECT_EQ(first.FaceAt(0).screenVertexCount, 3);
  EXPECT_EQ(cellObject.FaceAt(0).screenVertexCount, 3);
  EXPECT_EQ(last.FaceAt(0).screenVertexCount, 0);
}

TEST_F(FaceProcessingTest, CellObjectsUseTheCellMatrix) {
  gCellObjectSpace.matrix[11] = Fix(5);
  const Face& face = OneFace({{0, 0, Fix(10)}, {Fix(1), 0, Fix(10)}, {0, Fix(1), Fix(10)}});
  EXPECT_EQ(DepthsOf(face), (std::vector<Fixedpoint>{Fix(15), Fix(15), Fix(15)}));
}

}  // namespace

namespace {

struct WallListingCase {
  const char* name;
  int32_t type;
  int32_t objectTextures;
  double flatThreshold;
  bool keepsCorners;
};

void PrintTo(const WallListingCase& c, std::ostream* os) { *os << c.name; }

class WallListingTest : public FaceProcessingTest, public ::testing::WithParamInterface<WallListingCase> {};

// A wall from screen x -200 to 150 at depth 10: only a wall bound for a wall routine is
// listed with its own four corners.
TEST_P(WallListingTest, WallsBoundForAWallRoutineSkipTheScreenClip) {
  const WallListingCase& c = GetParam();
  SetFogThreshold(Fix(1000));
  SetFlatThreshold(Fix(c.flatThreshold));
  SetObjectTextures(c.objectTextures);
  BodyBuilder& body = NewBody({{Fix(-30), Fix(1), Fix(10)}, {Fix(5), Fix(1), Fix(10)}, {Fix(5), Fix(-1), Fix(10)},
                               {Fix(-30), Fix(-1), Fix(10)}});
  Face& face = Drawn(body, body.AddFace({0, 1, 2, 3}));
  face.type = c.type;
  GivePool(body);
  Process({&body});
  ASSERT_EQ(face.screenVertexCount, 4);
  EXPECT_EQ(face.firstScreenVertex[0].x < 0, c.keepsCorners);
  EXPECT_EQ(InsideClip(face), !c.keepsCorners);
  EXPECT_EQ(gSortedList.count, 1);
}

INSTANTIATE_TEST_SUITE_P(Faces, WallListingTest,
                         ::testing::Values(WallListingCase{"Wall", 3, 1, 1000, true},
                                           WallListingCase{"Fence", 4, 1, 1000, true},
                                           WallListingCase{"TexturedFace", 0, 1, 1000, false},
                                           WallListingCase{"ColumnPolygon", 7, 1, 1000, false},
                                           WallListingCase{"WallTurnedFlat", 3, 1, 5, false},
                                           WallListingCase{"WallWithTexturesOff", 3, 0, 1000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
