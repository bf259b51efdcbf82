#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "BodyFileFixture.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/files/BitmapFile.h"
#include "pel3d/files/ColourMap.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/GeomDirectory.h"
#include "pel3d/files/LoadedGroups.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/bodies/VertexPool.h"

namespace {

// A tent: a floor square facing down and a sloping triangle, texture 3 and tile 5 of
// bitmap 2.
BodyDescription Tent(uint32_t id) {
  BodyDescription body;
  body.id = id;
  body.radius = 3 * kOne;
  body.position = {kOne, 2 * kOne, 3 * kOne};
  AddSquare(body, 0, false);
  body.faces[0].texture = 3;
  body.vertices.push_back({0, kOne, kOne});
  FaceDescription slope;
  slope.corners = {0, 3, 4};
  slope.flags = 0x2 | 0x100;
  slope.colour = 40;
  slope.type = 13;
  slope.texture = 2 << 16 | 5;
  slope.texCoords = {{1, 2}, {3, 4}, {5, 6}};
  body.faces.push_back(slope);
  return body;
}

TEST_F(BodyFileTest, LoadsBodiesWithFacesPlanesAndTextureIds) {
  ResourceGroup* group = LoadBodies({Tent(100), Tent(101)});
  ASSERT_NE(group, nullptr) << GetLastResourceError();
  EXPECT_EQ(group->kind, kGroupBodies);
  EXPECT_EQ(GetGroupBodyCount(group), 2);
  EXPECT_EQ(GetGroupBody(group, 2), nullptr);
  EXPECT_EQ(GetLoadedGroupCount(), 1);

  Body* body = FindBody(100);
  ASSERT_EQ(body, GetGroupBody(group, 0));
  EXPECT_EQ(FindBody(101), GetGroupBody(group, 1));
  EXPECT_EQ(body->vertexCount, 5);
  EXPECT_EQ(body->faceCount, 2);
  EXPECT_EQ(body->indexCount, 7);
  EXPECT_EQ(body->radius, 3 * kOne);
  EXPECT_EQ(body->position, (Vec3{kOne, 2 * kOne, 3 * kOne}));
  EXPECT_EQ(body->vertices[2], (Vec3{kOne, 0, kOne}));
  EXPECT_EQ(body->bspRoot, nullptr);
  EXPECT_EQ(body->flags, 0u);

  const Face* floor = body->faces;
  EXPECT_EQ(floor->vertexCount, 4);
  EXPECT_EQ(floor->colour, 20u);
  EXPECT_EQ(floor->textureId, 3u);
  EXPECT_EQ(std::vector<uint32_t>(floor->indices, floor->indices + 4), (std::vector<uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(floor->texCoords[3].u, kOne / 2);
  EXPECT_EQ(floor->texCoordCopy[1].v, kOne);
  EXPECT_NE(floor->texCoordCopy, floor->texCoords);
  EXPECT_EQ(floor->plane->normal, (Vec3{0, -kOne, 0}));
  EXPECT_EQ(floor->plane->point, &body->vertices[0]);
  EXPECT_EQ(floor->flags, 0x2 | kFaceAlongY);

  const Face* slope = floor->next;
  EXPECT_EQ(slope->type, 13);
  EXPECT_EQ(slope->textureId, (2u << 16) | 5);
  EXPECT_EQ(slope->flags, 0x102 | kFaceGeneralPlane);
  EXPECT_EQ(slope->plane->normal, (Vec3{0, 46340, -46340}));
  EXPECT_EQ(slope->texCoords[2].v, 6);
}

TEST_F(BodyFileTest, RecentredBodyAndBodyWithoutVertices) {
  BodyDescription moved;
  moved.id = 1;
  moved.recentre = true;
  moved.position = {10 * kOne, 0, 5 * kOne};
  moved.vertices = {{11 * kOne, 2 * kOne, 5 * kOne}};
  BodyDescription empty;
  empty.id = 2;
  ASSERT_NE(LoadBodies({moved, empty}), nullptr) << GetLastResourceError();
  EXPECT_EQ(FindBody(1)->vertices[0], (Vec3{kOne, 2 * kOne, 0}));
  EXPECT_EQ(FindBody(1)->position, (Vec3{}));
  EXPECT_EQ(FindBody(1)->flags, kBodyRecentred);
  EXPECT_EQ(FindBody(2)->vertexCount, 0);
  EXPECT_EQ(FindBody(2)->faceCount, 0);
}

TEST_F(BodyFileTest, BspNodesInReadingOrder) {
  BodyDescription body = Tent(7);
  AddSquare(body, kOne, true);
  body.hasBsp = true;
  // Root on face 2, its first subtree a node on face 0 with a second child on face 1; the
  // root's second subtree empty.
  body.bspNodes = {{2, {1, 2, 3, 4}, 1, -1}, {0, {5, 6, 7, 8}, -1, 2}, {1, {-1, -2, -3, -4}, -1, -1}};
  body.bspRoot = 0;
  ASSERT_NE(LoadBodies({body}), nullptr) << GetLastResourceError();
  Body* loaded = FindBody(7);
  EXPECT_EQ(loaded->flags, kBodyHasBsp);
  const BspNode* root = loaded->bspRoot;
  ASSERT_NE(root, nullptr);
  const Face* faces[] = {loaded->faces, loaded->faces->next, loaded->faces->next->next};
  EXPECT_EQ(root->face, faces[2]);
  EXPECT_EQ(root->values[3], 4);
  EXPECT_EQ(root->second, nullptr);
  ASSERT_EQ(root->first, root + 1) << "nodes lie one after another in reading order";
  EXPECT_EQ(root->first->face, faces[0]);
  EXPECT_EQ(root->first->first, nullptr);
  ASSERT_EQ(root->first->second, root + 2);
  EXPECT_EQ(root->first->second->face, faces[1]);
  EXPECT_EQ(root->first->second->values[0], -1);
}

TEST_F(BodyFileTest, TreeThatStartsEmptyHasNoRoot) {
  BodyDescription body = Tent(7);
  body.hasBsp = true;
  ASSERT_NE(LoadBodies({body}), nullptr) << GetLastResourceError();
  EXPECT_EQ(FindBody(7)->bspRoot, nullptr);
}

TEST_F(BodyFileTest, GouraudCornersAreShadedFromVertexNormals) {
  BodyDescription body;
  body.id = 5;
  AddSquare(body, 0, false);  // facing down: lit half by both lights, shade 23
  body.faces[0].flags |= kFaceVertexShaded;
  AddSquare(body, 0, true, 100);  // facing up, sharing nothing: ambient only
  body.faces[1].flags |= kFaceVertexShaded;
  AddSquare(body, kOne, false, 20);  // not vertex-shaded: keeps its coordinates
  ASSERT_NE(LoadBodies({body}), nullptr) << GetLastResourceError();
  const Face* down = FindBody(5)->faces;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(down->texCoords[k].u, 23 * kOne) << k;
  EXPECT_EQ(down->texCoordCopy[3].u, kOne / 2) << "the copy keeps the file's coordinates";
  EXPECT_EQ(down->next->texCoords[0].u, 97 * kOne);
  EXPECT_EQ(down->next->next->texCoords[3].u, kOne / 2);
}

TEST_F(BodyFileTest, OneBodyById) {
  ResourceFileWriter writer;
  std::string error;
  ASSERT_TRUE(AddIdBodies(writer, {Tent(40), Tent(41)}, error)) << error;
  const std::string path = WriteResource(writer);
  ResourceGroup* group = LoadResourceGroup(path, kGroupBodyById, "", 41);
  ASSERT_NE(group, nullptr) << GetLastResourceError();
  EXPECT_EQ(group->kind, kGroupBodies);
  EXPECT_EQ(GetGroupBodyCount(group), 1);
  EXPECT_EQ(FindBody(41), GetGroupBody(group, 0));
  EXPECT_EQ(FindBody(40), nullptr);
}

TEST_F(BodyFileTest, FreeingTheGroupUnregistersItsBodiesAndItsArenas) {
  const int arenas = ArenaCount();
  ResourceGroup* group = LoadBodies({Tent(100), Tent(101)});
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(ArenaCount(), arenas + 3) << "directory, group and texture-coordinate arenas";
  EXPECT_EQ(FreeResourceGroup(group), 1);
  EXPECT_EQ(FindBody(100), nullptr);
  EXPECT_EQ(FindBody(101), nullptr);
  EXPECT_EQ(GetRegisteredBodyCount(), 0);
  EXPECT_EQ(ArenaCount(), arenas + 1);
}

// The group arena is current only while its group is built: afterwards, loaded or not,
// none is, and the readers refuse to allocate from an arena a group may have taken along.
TEST_F(BodyFileTest, NoGroupArenaOutlivesItsBuild) {
  ResourceGroup* group = LoadBodies({Tent(100)});
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(GetCurrentGroupArena(), -1);
  EXPECT_EQ(LoadResourceGroup(mFolder.Game("geo/BODIES.ZEF"), kGroupBodies, "MISSING"), nullptr);
  EXPECT_EQ(GetCurrentGroupArena(), -1);
  EXPECT_EQ(LoadResourceGroup(mFolder.Game("bmp/MISSING.BMP"), kGroupBitmaps), nullptr);
  EXPECT_EQ(GetCurrentGroupArena(), -1);
  ASSERT_EQ(FreeResourceGroup(group), 1);

  const std::string missing = mFolder.Game("bmp/MISSING.BMP");
  const std::pair<const char*, std::function<ResourceGroup*()>> readers[] = {
      {"body group", [] { return ReadBodyGroup(GroupCounts{}, 1, 0); }},
      {"bitmap file", [&] { return LoadBitmapFile(missing); }},
      {"colour map", [] { return ReadColourMap(); }},
  };
  for (const auto& [name, read] : readers) {
    SetLastResourceError(kErrorNone);
    EXPECT_EQ(read(), nullptr) << name;
    EXPECT_EQ(GetLastResourceError(), kErrorOutOfMemory) << name;
  }
}

TEST_F(BodyFileTest, GroupPoolAndVertexPool) {
  const int arenas = ArenaCount();
  ResourceGroup* group = LoadBodies({Tent(100), Tent(101)});
  ASSERT_NE(group, nullptr);
  FreeGroupPool(group);
  EXPECT_EQ(ArenaCount(), arenas + 2);
  EXPECT_EQ(group->textureCoordArena, -1);
  EXPECT_EQ(GetGroupBody(group, 1)->faces->texCoordCopy, nullptr);
  FreeGroupPool(group);

  VertexPool pool;
  AttachGroupVertexPool(group, &pool);
  EXPECT_EQ(pool.users, 2);
  EXPECT_EQ(GetGroupBody(group, 1)->vertexPool, &pool);
}

// A damaged body group: each case changes the written bytes or the counts of a group of a
// good body followed by the body of the case.
struct Damage {
  const char* name;
  std::function<void(BodyDescription&)> changeBody;
  std::function<void(std::vector<uint8_t>&, GroupCounts&)> changeFile;
  int32_t error;
};

// Where the second body's first face starts in the group's bytes.
size_t FirstFace(const BodyDescription& first, const BodyDescription& second) {
  return WriteBody(first).size() + kBodyHeaderSize + kBodyPositionSize + kVertexRecordSize * second.vertices.size();
}

// Overwrites a 16-bit field, which must hold what the test expects there.
void Patch16(std::vector<uint8_t>& bytes, size_t at, uint16_t expected, uint16_t value) {
  EXPECT_EQ(bytes[at] | bytes[at + 1] << 8, expected);
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

TEST_F(BodyFileTest, DamagedBodiesFailCleanly) {
  const BodyDescription good = Tent(1);
  const size_t secondHeader = WriteBody(good).size();
  const size_t face = FirstFace(good, Tent(2));
  auto bsp = [](BodyDescription& body) {
    body.hasBsp = true;
    body.bspNodes = {{1, {}, 1, -1}, {0, {}, -1, -1}};
    body.bspRoot = 0;
  };
  const size_t bspCount = WriteBody(good).size() + WriteBody([&] {
                            BodyDescription body = Tent(2);
                            bsp(body);
                            return body;
                          }()).size() - 2 * kBspNodeSize - 3 * 2 - 2;
  const Damage cases[] = {
      {"header vertex value 0", nullptr, [&](auto& b, auto&) { Patch16(b, secondHeader + 8, 6, 0); }, kErrorBadContent},
      {"negative face count", nullptr, [&](auto& b, auto&) { Patch16(b, secondHeader + 10, 2, 0xFFFF); },
       kErrorBadContent},
      {"a face of no vertex", [](BodyDescription& s) { s.faces[1].corners.clear(); }, nullptr, kErrorBadContent},
      {"a face of 129 vertices",
       [](BodyDescription& s) {
         s.vertices.resize(129);
         s.faces[1].corners.clear();
         for (int32_t i = 0; i < 129; ++i) s.faces[1].corners.push_back(i);
       },
       nullptr, kErrorBadContent},
      {"vertex index 0", [](BodyDescription& s) { s.faces[1].corners[1] = -1; }, nullptr, kErrorBadContent},
      {"vertex index past the count", [](BodyDescription& s) { s.faces[1].corners[1] = 5; }, nullptr, kErrorBadContent},
      {"face type 28", [](BodyDescription& s) { s.faces[0].type = 28; }, nullptr, kErrorBadContent},
      {"no FACE tag", nullptr, [&](auto& b, auto&) {
         EXPECT_EQ(b[face], 'F');
         b[face + 3] = 'X';
       }, kErrorBadTag},
      {"BSP face number at the face count",
       [&](BodyDescription& s) {
         bsp(s);
         s.bspNodes[1].face = 2;
       },
       nullptr, kErrorBadContent},
      {"more nodes than the BSP header counts", bsp, [&](auto& b, auto&) { Patch16(b, bspCount, 2, 1); },
       kErrorBadContent},
      {"negative BSP node count", bsp, [&](auto& b, auto&) { Patch16(b, bspCount, 2, 0x8000); }, kErrorBadContent},
      {"cut short", nullptr, [](auto& b, auto&) { b.resize(b.size() - 1); }, kErrorBadContent},
      {"vertex count beyond the file", nullptr, [](auto&, auto& c) { c.values[kCountVertices] = 1000; },
       kErrorBadContent},
      {"node count beyond the file", nullptr, [](auto&, auto& c) { c.values[kCountBspNodes] = 0xFFFFFFFF; },
       kErrorBadContent},
      {"counts too small for the bodies", nullptr, [](auto&, auto& c) { c.values[kCountIndices] = 7; },
       kErrorGroupTooSmall},
  };
  for (const Damage& c : cases) {
    SCOPED_TRACE(c.name);
    BodyDescription second = Tent(2);
    if (c.changeBody) c.changeBody(second);
    std::vector<uint8_t> bytes = WriteBody(good);
    const std::vector<uint8_t> secondBytes = WriteBody(second);
    bytes.insert(bytes.end(), secondBytes.begin(), secondBytes.end());
    GroupCounts counts = CountBodies({good, second});
    if (c.changeFile) c.changeFile(bytes, counts);
    ResourceFileWriter writer;
    // The group's bytes end the file, so a cut shortens the body itself.
    writer.AddNamedGroup("OBJECTS", 2, counts, bytes);
    const std::string path = WriteResource(writer);
    CloseResourceFile();
    const int arenas = ArenaCount();
    EXPECT_EQ(LoadResourceGroup(path, kGroupBodies, "OBJECTS"), nullptr);
    EXPECT_EQ(GetLastResourceError(), c.error);
    EXPECT_EQ(GetRegisteredBodyCount(), 0);
    EXPECT_EQ(GetLoadedGroupCount(), 0);
    EXPECT_EQ(ArenaCount(), arenas + 1) << "only the directory arena of the open file";
  }
}

TEST_F(BodyFileTest, FullRegistryGivesError9AndUnregistersTheGroup) {
  std::vector<Body> others(kBodyRegistryCapacity - 1);
  for (Body& other : others) AddBody(&other);
  EXPECT_EQ(LoadBodies({Tent(1), Tent(2)}), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorBodyRegistryFull);
  EXPECT_EQ(GetRegisteredBodyCount(), kBodyRegistryCapacity - 1);
  EXPECT_EQ(FindBody(1), nullptr);
  ClearBodyRegistry();
}

// A damaged body's failure says where: the group, the body in it, the face in the body and
// the byte of the file at fault.
TEST_F(BodyFileTest, ADamagedBodyNamesItsBodyAndFace) {
  BodyDescription second = Tent(2);
  second.faces[1].type = 200;
  std::vector<uint8_t> bytes = WriteBody(Tent(1));
  const std::vector<uint8_t> secondBytes = WriteBody(second);
  bytes.insert(bytes.end(), secondBytes.begin(), secondBytes.end());
  ResourceFileWriter writer;
  writer.AddNamedGroup("OBJECTS", 2, CountBodies({Tent(1), second}), bytes);
  const std::vector<uint8_t> file = writer.Build();
  const std::string path = WriteFile("geo/BODIES.ZEF", file);

  EXPECT_EQ(LoadResourceGroup(path, kGroupBodies, "OBJECTS"), nullptr);
  const EngineErrorDetail& detail = GetLastResourceErrorDetail();
  EXPECT_EQ(GetLastResourceError(), kErrorBadContent);
  EXPECT_EQ(detail.what, "a face type above 27");
  EXPECT_EQ(detail.group, "OBJECTS");
  EXPECT_EQ(detail.body, 1);
  EXPECT_EQ(detail.face, 1);
  ASSERT_GE(detail.offset, 0);
  EXPECT_EQ(file.at(static_cast<size_t>(detail.offset)), 200);
  EXPECT_EQ(DescribeLastResourceError(),
            "error 2, the file is short or its content is damaged: a face type above 27 at byte " +
                std::to_string(detail.offset) + ", group OBJECTS, body 1, face 1");

  EXPECT_EQ(LoadResourceGroup(path, kGroupBodyById, "", 9), nullptr);
  EXPECT_EQ(GetLastResourceErrorDetail().group, "id 9");
  EXPECT_EQ(GetLastResourceErrorDetail().what, "no id record of that id");
}

// The body loader reads its group in one piece, not field by field: a group of many bodies
// costs the open file a read or two.
TEST_F(BodyFileTest, AGroupIsReadInAFewReads) {
  std::vector<BodyDescription> bodies;
  for (uint32_t id = 1; id <= 50; ++id) bodies.push_back(Tent(id));
  ResourceFileWriter writer;
  std::string error;
  ASSERT_TRUE(AddBodyGroup(writer, "OBJECTS", bodies, error)) << error;
  const std::string path = WriteResource(writer);
  ASSERT_EQ(ReadGeomDirectory(path), 1);
  const uint32_t before = GetResourceReadCount();
  ResourceGroup* group = LoadResourceGroup(path, kGroupBodies, "OBJECTS");
  ASSERT_NE(group, nullptr) << DescribeLastResourceError();
  EXPECT_LE(GetResourceReadCount() - before, 2u);
}

}  // namespace
