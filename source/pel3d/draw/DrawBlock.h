#pragma once
#include <cstdint>

struct Bitmap;
struct Face;
struct ScreenVertex;
struct TileRecord;

// The one argument of every rasteriser and of the game's face routines: the polygon's
// screen vertices and what to fill it with.
struct DrawBlock {
  int32_t vertexCount = 0;
  ScreenVertex* vertices = nullptr;
  // A palette index in the low byte, or the face's texture id, as the routine expects.
  uint32_t word = 0;
  const Bitmap* bitmap = nullptr;
  const TileRecord* tile = nullptr;
  const Face* face = nullptr;  // null for a ground triangle
};
