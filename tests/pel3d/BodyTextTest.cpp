#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enginefiles/BodyCheck.h"
#include "enginefiles/BodyText.h"
#include "enginefiles/ResourceFileWriter.h"

namespace {

constexpr int32_t kOne = 65536;

TEST(BodyText, DescribesBodiesFacesAndTrees) {
  const std::string text =
      "# a tent\n"
      "body 100 radius 3 position 1 2.5 -3 bsp\n"
      "vertex 0 0 0\nvertex 0 0 1\nvertex 1 0 1   # a corner\n"
      "face 13 20 2:5 0x2 0 1 2 uv 0 0 0 1 1 0.5\n"
      "gouraud 4 40 2 1 0\n"
      "sprite 23 5 0 1\n"
      "polyline 9 0 1 2\n"
      "node 1 1 2 3 -4 1 -\n"
      "node 0 0 0 0 0 - -\n"
      "body 7 recentre\n";
  std::vector<BodyDescription> bodies;
  std::string error;
  ASSERT_TRUE(ParseBodyText(text, bodies, error)) << error;
  ASSERT_EQ(bodies.size(), 2u);
  const BodyDescription& tent = bodies[0];
  EXPECT_EQ(tent.id, 100u);
  EXPECT_EQ(tent.radius, 3 * kOne);
  EXPECT_EQ(tent.position, (Vec3{kOne, 5 * kOne / 2, -3 * kOne}));
  EXPECT_TRUE(tent.hasBsp);
  EXPECT_EQ(tent.bspRoot, 0);
  ASSERT_EQ(tent.vertices.size(), 3u);
  ASSERT_EQ(tent.faces.size(), 5u);
  EXPECT_EQ(tent.faces[0].texture, (2u << 16) | 5);
  EXPECT_EQ(tent.faces[0].type, 13);
  EXPECT_EQ(tent.faces[0].texCoords[2][1], kOne / 2);
  EXPECT_EQ(tent.faces[1].flags, 0x4002u);
  EXPECT_EQ(tent.faces[2].flags, 0x6u);
  EXPECT_EQ(tent.faces[3].flags, 0x8002u);
  EXPECT_EQ(tent.faces[4].corners, (std::vector<int32_t>{1, 2}));
  ASSERT_EQ(tent.bspNodes.size(), 2u);
  EXPECT_EQ(tent.bspNodes[0].values[3], -4);
  EXPECT_EQ(tent.bspNodes[0].first, 1);
  EXPECT_EQ(tent.bspNodes[0].second, -1);
  EXPECT_TRUE(bodies[1].recentre);
  EXPECT_EQ(bodies[1].bspRoot, -1);
}

TEST(BodyText, RefusesWhatItCannotWrite) {
  const char* texts[] = {
      "vertex 0 0 0\n",  // no body yet
      "body 1\nvertex 0 0\n",
      "body 1\nvertex 0 0 0\nface 0 1 0:3 2 0\n",  // tiles of bitmap 0 cannot be named
      "body 1\nvertex 0 0 0\nface 0 1 256 2 0\n",
      "body 1\nvertex 0 0 0\nface 0 1 1 2 0 uv 0\n",
      "body 1\nvertex 0 0 0\nface 0 1 1 2 1\n",  // vertex 1 of 1
      "body 1\nvertex 0 0 0\nsprite 4 1 0 0 0\n",
      "body 1\nvertex 0 0 0\nline 4 0\n",
      "body 1\nnode 0 0 0 0 0 0 -\n",  // a node cannot be its own child
      "body 1\nnode 0 0 0 0 0 1 -\n",  // no node 1
      "body 1 radius\n",
      "body 1\nwall 0\n",
  };
  for (const char* text : texts) {
    std::vector<BodyDescription> bodies;
    std::string error;
    EXPECT_FALSE(ParseBodyText(text, bodies, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

// What the loader would refuse is refused with the line of the body, face or node at fault.
TEST(BodyText, RefusesWhatTheLoaderRefusesNamingTheLine) {
  struct Case {
    std::string text;
    const char* message;
  };
  std::string corners;
  for (int i = 0; i < 129; ++i) corners += " 0";
  std::string vertices;
  for (int i = 0; i < 32767; ++i) vertices += "vertex 0 0 0\n";
  std::string chain = "body 1 bsp\nvertex 0 0 0\nface 0 1 0 2 0\n";
  for (int i = 0; i < 15; ++i) {
    chain += "node 0 0 0 0 0 " + std::to_string(i + 1) + " " + std::to_string(i + 1) + "\n";
  }
  chain += "node 0 0 0 0 0 - -\n";  // every node twice the one after it: 65535 written
  const Case cases[] = {
      {"body 1\nvertex 0 0 0\nface 0 1 0 2" + corners + "\n", "line 3: body 1, face 0: 129 corners, at most 128"},
      {"body 1\nvertex 0 0 0\nface 28 1 0 2 0\n", "line 3: body 1, face 0: face type 28, at most 27"},
      {"body 1\nvertex 0 0 0\nface 1 1 0 2 0\nface 1 1 0 2 0 1\n",
       "line 4: body 1, face 1: vertex 1 of a body of 1"},
      {"body 9\n" + vertices, "line 1: body 9: 32767 vertices, at most 32766"},
      {"body 1 bsp\nvertex 0 0 0\nface 0 1 0 2 0\nnode 1 0 0 0 0 - -\n",
       "line 4: body 1, node 0: face 1 of a body of 1"},
      {chain, "line 1: body 1: 65535 BSP nodes, at most 32767"},
  };
  for (const Case& c : cases) {
    std::vector<BodyDescription> bodies;
    std::string error;
    EXPECT_FALSE(ParseBodyText(c.text, bodies, error)) << c.message;
    EXPECT_EQ(error, c.message);
  }
}

TEST(BodyWriter, RefusesGroupsTheEngineCannotLoad) {
  BodyDescription body;
  body.vertices.resize(1);
  body.faces.push_back(GouraudFace({0, 1}, 1, 4));
  ResourceFileWriter writer;
  std::string error;
  EXPECT_FALSE(AddBodyGroup(writer, "A", {body}, error));
  EXPECT_EQ(error, "body 0, face 0: vertex 1 of a body of 1");
  EXPECT_FALSE(AddIdBodies(writer, {body}, error));

  body.faces[0].corners = {0};
  EXPECT_FALSE(AddBodyGroup(writer, "EIGHTEEN-BYTES-ABC", {body}, error));
  EXPECT_EQ(error, "group name \"EIGHTEEN-BYTES-ABC\" is 18 bytes, at most 17");
  EXPECT_FALSE(AddBodyGroup(writer, "CROWD", std::vector<BodyDescription>(2001, body), error));
  EXPECT_EQ(error, "group CROWD has 2001 bodies, the engine registers at most 2000");
  EXPECT_TRUE(AddBodyGroup(writer, "SEVENTEEN-BYTES-A", {body}, error)) << error;
  EXPECT_TRUE(AddIdBodies(writer, {body}, error)) << error;
}

}  // namespace
