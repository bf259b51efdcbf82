#pragma once
#include <array>
#include <cstdint>

#include "pel3d/bodies/Body.h"

struct ScreenVertex;
struct TileRecord;

// Ground types: which ground rasteriser draws the triangle.
constexpr int32_t kGroundMiddle = 0;
constexpr int32_t kGroundFar = 1;
constexpr int32_t kGroundNear = 2;  // near the camera or cut by the near plane

// One of the two ground triangles of a grid cell.
struct GroundTriangle {
  uint32_t word = 0;  // colour or ground bitmap, set by the world each frame
  const TileRecord* tile = nullptr;  // the ground texture's tile record, set by the world
  int32_t groundType = kGroundMiddle;
  // 3 while waiting to be drawn this frame, else 0; after projection the vertex count
  // before screen clipping.
  int32_t pendingCount = 0;
  int32_t finalCount = 0;  // vertex count after screen clipping; 0 = not drawn
  ScreenVertex* projectedVertices = nullptr;
  ScreenVertex* finalVertices = nullptr;
  std::array<uint32_t, 3> corners{};  // corner numbers: row x (n + 1) + column
  std::array<TexCoord, 3> texCoords{};
};
