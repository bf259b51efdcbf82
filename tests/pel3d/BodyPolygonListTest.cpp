#include <gtest/gtest.h>

#include <deque>

#include "DrawFixture.h"
#include "pel3d/draw/BodyPolygonList.h"
#include "pel3d/draw/BodyQueue.h"

namespace {

class BodyPolygonListTest : public DrawTest {
protected:
  // A body of faces that have produced screen vertices of the given greatest depths (0:
  // no vertices).
  BodyBuilder& BodyOf(const std::vector<double>& depths) {
    BodyBuilder& body = NewBody({{0, 0, Fix(10)}});
    for (double depth : depths) {
      Face& face = body.AddFace({0});
      ScreenVertex& vertex = screen.emplace_back();
      vertex.z = Fix(depth);
      face.firstScreenVertex = &vertex;
      face.screenVertexCount = depth > 0 ? 1 : 0;
    }
    return body;
  }

  BspNode& Node(Face& face, std::array<int32_t, 4> values, BspNode* first = nullptr, BspNode* second = nullptr) {
    BspNode& node = nodes.emplace_back();
    node.face = &face;
    std::copy(values.begin(), values.end(), node.values);
    node.first = first;
    node.second = second;
    return node;
  }

  std::vector<const Face*> Listed() const {
    std::vector<const Face*> faces;
    for (int32_t i = 0; i < gSortedList.count; ++i) faces.push_back(gSortedList.entries[static_cast<std::size_t>(i)].face);
    return faces;
  }

  std::deque<ScreenVertex> screen;
  std::deque<BspNode> nodes;
};

constexpr int32_t kMarker = static_cast<int32_t>(kBspChainMarker);

TEST_F(BodyPolygonListTest, BodiesInQueueOrderFacesInFaceOrder) {
  BodyBuilder& far = BodyOf({5, 0, 7});
  BodyBuilder& near = BodyOf({1});
  AppendQueuedBody(far.get());
  AppendQueuedBody(near.get());
  BuildBodyPolygonList();
  EXPECT_EQ(Listed(), (std::vector<const Face*>{&far.FaceAt(0), &far.FaceAt(2), &near.FaceAt(0)}));
  EXPECT_EQ(far->firstPolyEntry, &gSortedList.entries[0]);
  EXPECT_EQ(far->polyEntryCount, 2);
  EXPECT_EQ(near->firstPolyEntry, &gSortedList.entries[2]);
  EXPECT_EQ(near->polyEntryCount, 1);
}

struct BspCase {
  const char* name;
  double cameraZ;
  std::vector<int> order;  // face numbers
};

void PrintTo(const BspCase& c, std::ostream* os) { *os << c.name; }

class BspOrderTest : public BodyPolygonListTest, public ::testing::WithParamInterface<BspCase> {};

TEST_P(BspOrderTest, BySideOfThePlane) {
  // The root's plane is z = 10; a camera before it lists the first subtree first.
  BodyBuilder& body = BodyOf({1, 1, 1, 0});
  BspNode& first = Node(body.FaceAt(1), {0, 0, kFixedOne, Fix(-5)}, nullptr, &Node(body.FaceAt(3), {}));
  BspNode& second = Node(body.FaceAt(2), {});
  body->bspRoot = &Node(body.FaceAt(0), {0, 0, kFixedOne, Fix(-10)}, &first, &second);
  gView.cameraPosition = {0, 0, Fix(GetParam().cameraZ)};
  AppendQueuedBody(body.get());
  BuildBodyPolygonList();
  std::vector<const Face*> expected;
  for (int face : GetParam().order) expected.push_back(&body.FaceAt(static_cast<size_t>(face)));
  EXPECT_EQ(Listed(), expected);
  EXPECT_EQ(body->polyEntryCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, BspOrderTest,
                         ::testing::Values(BspCase{"CameraBefore", 0, {1, 0, 2}},
                                           BspCase{"CameraBetween", 7, {1, 0, 2}},
                                           BspCase{"CameraOnPlane", 10, {2, 0, 1}},
                                           BspCase{"CameraBeyond", 20, {2, 0, 1}}),
                         CaseName<BspCase>);

TEST_F(BodyPolygonListTest, MarkerChainIsOrderedByDepthAfterWhatCameBefore) {
  // The root lists its first subtree (face 0) and itself (face 1) before the chain, whose
  // faces 2 to 6 have depths 10, 30, 0 (nothing drawn), 20 and 30.
  BodyBuilder& body = BodyOf({50, 40, 10, 30, 0, 20, 30});
  BspNode* chain = nullptr;
  for (size_t face = 6; face >= 2; --face) chain = &Node(body.FaceAt(face), {0, 0, 0, 0}, chain);
  chain->values[3] = kMarker;
  body->bspRoot = &Node(body.FaceAt(1), {0, 0, 0, -1}, &Node(body.FaceAt(0), {}), chain);
  AppendQueuedBody(body.get());
  BuildBodyPolygonList();
  EXPECT_EQ(Listed(), (std::vector<const Face*>{&body.FaceAt(0), &body.FaceAt(1), &body.FaceAt(3), &body.FaceAt(6),
                                                &body.FaceAt(5), &body.FaceAt(2)}));
  EXPECT_EQ(gSortedList.entries[2].depth, Fix(30));
  EXPECT_EQ(gSortedList.entries[5].depth, Fix(10));
}

TEST_F(BodyPolygonListTest, CopySharingAnotherBodysTreeListsItsOwnFaces) {
  BodyBuilder& original = BodyOf({1, 1});
  original->bspRoot = &Node(original.FaceAt(0), {0, 0, 0, 0}, nullptr, &Node(original.FaceAt(1), {}));
  BodyBuilder& copy = BodyOf({1, 1});
  copy->bspRoot = original->bspRoot;
  AppendQueuedBody(copy.get());
  BuildBodyPolygonList();
  EXPECT_EQ(Listed(), (std::vector<const Face*>{&copy.FaceAt(0), &copy.FaceAt(1)}));
}

TEST_F(BodyPolygonListTest, DeepTreeAndFullListAreHandled) {
  const int32_t faces = kPolygonListCapacity + 500;
  BodyBuilder& body = BodyOf(std::vector<double>(static_cast<size_t>(faces), 1.0));
  BspNode* tree = nullptr;
  for (int32_t i = faces - 1; i >= 0; --i) tree = &Node(body.FaceAt(static_cast<size_t>(i)), {0, 0, 0, -1}, nullptr, tree);
  body->bspRoot = tree;
  AppendQueuedBody(body.get());
  BuildBodyPolygonList();
  EXPECT_EQ(gSortedList.count, kPolygonListCapacity);
  EXPECT_EQ(body->polyEntryCount, kPolygonListCapacity);
  EXPECT_EQ(gSortedList.entries[kPolygonListCapacity - 1].face, &body.FaceAt(kPolygonListCapacity - 1));
}

}  // namespace
