#pragma once
#include <cstdint>

#include "pel3d/files/Bitmap.h"

// The texel walk of the tiled fills. The position is one packed index, row x 256 + column,
// with u's and v's fractions beside it; the wrap mask folds the index into the tile before
// every fetch, so u and v may run without bound. Row and column share one addition: a
// column below 0 borrows from the row, one past 255 carries into it.
struct TiledWalk {
  uint32_t index = 0;
  uint32_t uFraction = 0;  // 0 to 0xFFFF
  uint32_t vFraction = 0;
  uint32_t uFractionStep = 0;
  uint32_t vFractionStep = 0;
  uint32_t step = 0;  // whole rows x 256 + whole columns per pixel, plus the column bias
};

// The walk from (u, v) by (du, dv) per pixel, all 16.16 texels. The column bias is added to
// every step: a whole tile width keeps a leftward step of up to one tile from borrowing.
inline TiledWalk StartTiledWalk(int32_t u, int32_t v, int32_t du, int32_t dv, uint32_t columnBias = 0) {
  TiledWalk walk;
  walk.index = (static_cast<uint32_t>(v >> 16) << 8) + (static_cast<uint32_t>(u >> 16) & 0xFF);
  walk.uFraction = static_cast<uint32_t>(u) & 0xFFFF;
  walk.vFraction = static_cast<uint32_t>(v) & 0xFFFF;
  walk.uFractionStep = static_cast<uint32_t>(du) & 0xFFFF;
  walk.vFractionStep = static_cast<uint32_t>(dv) & 0xFFFF;
  walk.step = (static_cast<uint32_t>(dv >> 16) << 8) + static_cast<uint32_t>(du >> 16) + columnBias;
  return walk;
}

// A tile record the fills can read: a texel pointer and one of the three wrap masks, so a
// masked index never leaves the tile's 256 x 256 texture.
bool UsableTile(const TileRecord* tile);

// The column bias of a tile: its width.
inline uint32_t TileColumnBias(const TileRecord& tile) { return (tile.wrapMask & 0xFF) + 1; }

// Writes a texel unchanged.
struct CopyTexel {
  void operator()(uint8_t& pixel, uint8_t texel) const { pixel = texel; }
};

// Calls write(pixel, texel) for the count pixels from out on, leaving the walk after them.
template <class Write>
inline void WalkTiledSpan(TiledWalk& walk, const TileRecord& tile, uint8_t* out, int32_t count, Write& write) {
  const uint8_t* texels = tile.texels;
  const uint32_t mask = tile.wrapMask;
  uint32_t index = walk.index;
  uint32_t uFraction = walk.uFraction;
  uint32_t vFraction = walk.vFraction;
  for (int32_t i = 0; i < count; ++i) {
    index &= mask;
    write(out[i], texels[index]);
    uFraction += walk.uFractionStep;
    vFraction += walk.vFractionStep;
    index += walk.step + ((vFraction >> 16) << 8) + (uFraction >> 16);
    uFraction &= 0xFFFF;
    vFraction &= 0xFFFF;
  }
  walk.index = index;
  walk.uFraction = uFraction;
  walk.vFraction = vFraction;
}
