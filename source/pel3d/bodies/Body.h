#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

struct Bitmap;
struct Body;
struct BspNode;
struct Face;
struct PolyEntry;
struct ScreenVertex;
struct TileRecord;
struct VertexPool;

// Body flags. The loader takes 1 and 2 from the file.
constexpr uint32_t kBodyHasBsp = 0x1;
constexpr uint32_t kBodyRecentred = 0x2;  // vertices are relative to the position
constexpr uint32_t kBodyNotFindable = 0x8;  // FindBody passes the body over
constexpr uint32_t kBodyOwnMatrix = 0x10;  // drawn with its own matrix, not the camera's
constexpr uint32_t kBodyFlag20 = 0x20;  // set and cleared by the game; no meaning to the engine
constexpr uint32_t kBodySwitchedOff = 0x80000000;  // not drawn

// Face flags. The file's flags word is kept; the loader adds one orientation class and,
// with an axis class, the sign bit.
constexpr uint32_t kFaceProcessed = 0x2;  // without it the draw skips the face
constexpr uint32_t kFaceSprite = 0x4;  // a sprite: one centre and one size
constexpr uint32_t kFaceTransparent = 0x10;  // texel 0 leaves the pixel as it was
constexpr uint32_t kFaceSecondColour = 0x800;  // with flag 1: the texture id is a colour
constexpr uint32_t kFaceVertexShaded = 0x4000;  // the body needs vertex normals
constexpr uint32_t kFaceLine = 0x8000;  // a line: no back-face test
constexpr uint32_t kFaceLinePoint = 0x10000;  // a point of a point body, drawn as a line face
constexpr uint32_t kFaceAlongX = 0x04000000;  // the normal lies along x
constexpr uint32_t kFaceAlongY = 0x08000000;
constexpr uint32_t kFaceAlongZ = 0x10000000;
constexpr uint32_t kFacePositiveAxis = 0x20000000;  // that axis component is above 0
constexpr uint32_t kFaceGeneralPlane = 0x40000000;
constexpr uint32_t kFaceSwitchedOff = 0x80000000;
constexpr uint32_t kFaceOrientationMask =
    kFaceAlongX | kFaceAlongY | kFaceAlongZ | kFacePositiveAxis | kFaceGeneralPlane;

// One texture-coordinate pair of a face corner.
struct TexCoord {
  Fixedpoint u = 0;
  Fixedpoint v = 0;
};

// The plane of a face: its unit normal (16.16) and a point of it, the face's first vertex.
struct Plane {
  Vec3 normal;
  const Vec3* point = nullptr;
};

// A polygonal face of a body. Face lists are walked by the body's face count, not by a
// terminator.
struct Face {
  Face* next = nullptr;
  int32_t vertexCount = 0;
  uint32_t flags = 0;
  uint32_t colour = 0;
  int32_t type = 0;  // 0 to 27, selects the rasteriser
  // Written by the draw path every frame: how many screen vertices the face produced and
  // where the first of them is.
  int32_t screenVertexCount = 0;
  ScreenVertex* firstScreenVertex = nullptr;
  uint32_t* indices = nullptr;  // vertexCount 0-based vertex indices, in winding order
  TexCoord* texCoords = nullptr;  // vertexCount pairs in use (texel units once scaled)
  // The texture id from the file ((high byte << 16) | low byte): a bitmap index, or a tile
  // of a bitmap's tile set. Faces with flag 1 or 0x800 hold a second colour here.
  uint32_t textureId = 0;
  // Set when the texture coordinates are scaled to the texture: the bitmap of a plain id,
  // or the tile record of a tile id; the other stays null.
  const Bitmap* textureBitmap = nullptr;
  const TileRecord* textureTile = nullptr;
  TexCoord* texCoordCopy = nullptr;  // the pairs as read from the file
  Plane* plane = nullptr;
};

// A 3D object: vertices, faces, placement and the engine's bookkeeping.
struct Body {
  uint32_t flags = 0;
  int32_t vertexCount = 0;
  Vec3* vertices = nullptr;
  VertexPool* vertexPool = nullptr;  // where the body is transformed and projected
  int32_t faceCount = 0;
  int32_t indexCount = 0;  // the sum of the faces' vertex counts
  Vec3 position;
  Vec3 viewPosition;  // the position in view space, written by the body queue every frame
  Fixedpoint radius = 0;
  BspNode* bspRoot = nullptr;
  int32_t polyEntryCount = 0;  // the body's polygon-list entries, written by the list build
  PolyEntry* firstPolyEntry = nullptr;
  void* userData = nullptr;  // the game's own pointer
  uint32_t id = 0;
  Body** registrySlot = nullptr;  // its own registry entry while registered
  Face* faces = nullptr;
  Matrix matrix{};  // placement matrix
};

// A node of a body's BSP tree of faces; the four values are kept as the file holds them.
struct BspNode {
  Face* face = nullptr;
  int32_t values[4] = {};
  BspNode* first = nullptr;  // null for an empty subtree
  BspNode* second = nullptr;
};

// The orientation class of a face with this plane normal: along z, y or x (tested in that
// order, the first that holds decides) with the sign bit when that component is above 0,
// else a general plane.
uint32_t FaceOrientationFlags(const Vec3& normal);
