#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

struct Body;

// The parts of the world's records that the frame draw reads. The world's cell and
// dynamic-object records embed them.

constexpr uint16_t kCellNoGround = 0x1;  // draw no ground triangles for the cell
constexpr uint16_t kCellFar = 0x2;  // use the bodies' low-detail substitutes

constexpr uint32_t kDrawObjectSkip = 0x2;  // honoured in the first dynamic list only

// A dynamic object: listed in a cell's first list, its second list, or both.
struct DrawObject {
  DrawObject* nextFirst = nullptr;
  DrawObject* nextSecond = nullptr;
  Body* body = nullptr;
  uint32_t flags = 0;
  Vec3 position;
  Matrix orientation{};
};

// An entry of a cell's list of static objects.
struct StaticEntry {
  StaticEntry* next = nullptr;
  Body* body = nullptr;
};

// A cell of the world as the draw sees it. One record may cover several cells; its draw
// countdown counts how often it is listed in this frame.
struct DrawCell {
  uint16_t flags = 0;
  int16_t originX = 0;  // whole units
  int16_t originY = 0;
  int16_t originZ = 0;
  int16_t drawCountdown = 0;
  StaticEntry* staticObjects = nullptr;
  DrawObject* firstObjects = nullptr;
  DrawObject* secondObjects = nullptr;
};
