#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pel3d/files/ResourceFileFormat.h"
#include "pel3d/math/Vec3.h"

class ResourceFileWriter;

// A face as the writer stores it. Corners are 0-based vertex numbers (the file holds them
// 1-based); texture coordinates are 16.16 fractions of the texture, one pair per corner
// (missing pairs are written as 0).
struct FaceDescription {
  std::vector<int32_t> corners;
  std::vector<std::array<int32_t, 2>> texCoords;
  uint32_t flags = 0x2;  // drawn
  uint32_t colour = 0;
  uint8_t type = 0;
  // A bitmap index below 256, or (bitmap << 16) | tile with both below 256.
  uint32_t texture = 0;
};

// A BSP node: a face number, four values kept as they are, and its two subtrees as node
// numbers of the body's list (-1 for an empty one).
struct BspNodeRecord {
  uint16_t face = 0;
  std::array<int32_t, 4> values{};
  int first = -1;
  int second = -1;
};

struct BodyDescription {
  uint32_t id = 0;
  bool recentre = false;
  int32_t radius = 0;
  Vec3 position;
  std::vector<Vec3> vertices;
  std::vector<FaceDescription> faces;
  // With hasBsp the body carries a tree: the nodes reached from bspRoot, written in
  // pre-order (an empty tree when bspRoot is -1).
  bool hasBsp = false;
  int bspRoot = -1;
  std::vector<BspNodeRecord> bspNodes;
};

// Faces of the kinds the engine knows, over 0-based vertex numbers.
FaceDescription GouraudFace(std::vector<int32_t> corners, uint32_t colour, uint8_t type);
// A sprite of one vertex (its centre) or two (its centre, and the centre moved by its
// half-width along x and its half-height along y).
FaceDescription SpriteFace(std::vector<int32_t> corners, uint32_t colour, uint8_t type);
FaceDescription LineFace(int32_t from, int32_t to, uint32_t colour);
// Line faces joining each vertex of the list to the next.
std::vector<FaceDescription> PolylineFaces(const std::vector<int32_t>& vertices, uint32_t colour);

// The body in the file's format, written as it stands (tests write damaged bodies with it;
// CheckBody tells whether the loader takes it).
std::vector<uint8_t> WriteBody(const BodyDescription& body);
// The nodes the body's tree writes: those reached from bspRoot, a node reached twice twice.
uint64_t CountBspNodes(const BodyDescription& body);
// The seven counts that size a group's memory block: BSP nodes, corners, faces and vertices.
GroupCounts CountBodies(const std::vector<BodyDescription>& bodies);

// Adds the bodies as a named group, or each body as an id record of its own id. False, with
// the reason in error and nothing added, when the loader would refuse a body, the name is
// longer than a record holds, or the group has more bodies than the engine registers.
bool AddBodyGroup(ResourceFileWriter& writer, const std::string& name, const std::vector<BodyDescription>& bodies,
                  std::string& error);
bool AddIdBodies(ResourceFileWriter& writer, const std::vector<BodyDescription>& bodies, std::string& error);
