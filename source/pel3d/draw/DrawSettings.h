#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// Work done by the last scene draw, for the game's statistics display.
struct DrawCounters {
  int32_t groundPolygons = 0;
  int32_t polygons = 0;
  int32_t facesConsidered = 0;
};

// The draw options and thresholds that the game writes and the frame draw and the fogged
// rasterisers read; one engine-wide instance beside gView.
struct DrawSettings {
  int32_t objectTextures = 1;  // 0: faces of objects are drawn untextured
  int32_t terrainTextures = 1;  // 0: ground triangles are drawn untextured
  int32_t noGround = 0;  // non-zero: no ground for cells that have a record
  Fixedpoint fogThreshold = 0;  // depth where the fogged band begins
  Fixedpoint flatThreshold = 0;  // depth beyond which faces are drawn flat
  Fixedpoint fogRange = kFixedOne;  // never below 1.0, so the fog level never divides by 0
  const uint8_t* shadeTable = nullptr;  // rows of 256 bytes, one per fog level
  int32_t shadeRows = 0;
  // Rows of 256 bytes: row L, entry c replaces colour c under a translucent texel of level L.
  const uint8_t* translucencyTable = nullptr;
  int32_t translucencyRows = 0;
  // Consecutive 256-byte remap tables; entry c of a table replaces colour c.
  const uint8_t* remapTables = nullptr;
  int32_t remapRows = 0;
  DrawCounters counters;
};

extern DrawSettings gDrawSettings;

void SetObjectTextures(int32_t on);
void SetTerrainTextures(int32_t on);
void SetNoGround(int32_t on);
void SetFogThreshold(Fixedpoint depth);
void SetFlatThreshold(Fixedpoint depth);
// A range below 1.0 is taken as 1.0.
void SetFogRange(Fixedpoint range);
// The shade table and how many 256-byte rows it holds; null (or no rows) for none.
void SetShadeTable(const uint8_t* table, int32_t rows);

// A translucent texel's level picks one of 32 rows of the translucency table.
constexpr int32_t kTranslucencyRows = 32;
// The translucency table and how many 256-byte rows it holds; null (or no rows) for none.
void SetTranslucencyTable(const uint8_t* table, int32_t rows);
// The translucency table, or null while it is unset or shorter than 32 rows: translucent
// sprites then draw nothing.
const uint8_t* UsableTranslucencyTable();
// The block of remap tables the remap lines read and how many 256-byte tables it holds.
void SetRemapTables(const uint8_t* block, int32_t rows);
// Table n of the remap-table block, or null when the block has no table n.
const uint8_t* RemapTable(int64_t n);
void ResetDrawCounters();
