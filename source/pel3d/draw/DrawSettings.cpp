#include "pel3d/draw/DrawSettings.h"

#include <algorithm>

DrawSettings gDrawSettings;

void SetObjectTextures(int32_t on) { gDrawSettings.objectTextures = on; }

void SetTerrainTextures(int32_t on) { gDrawSettings.terrainTextures = on; }

void SetNoGround(int32_t on) { gDrawSettings.noGround = on; }

void SetFogThreshold(Fixedpoint depth) { gDrawSettings.fogThreshold = depth; }

void SetFlatThreshold(Fixedpoint depth) { gDrawSettings.flatThreshold = depth; }

void SetFogRange(Fixedpoint range) { gDrawSettings.fogRange = std::max(range, kFixedOne); }

void SetShadeTable(const uint8_t* table, int32_t rows) {
  const bool none = table == nullptr || rows <= 0;
  gDrawSettings.shadeTable = none ? nullptr : table;
  gDrawSettings.shadeRows = none ? 0 : rows;
}

void ResetDrawCounters() { gDrawSettings.counters = {}; }
