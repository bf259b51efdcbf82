#include "pel3d/draw/DrawSettings.h"

#include <algorithm>

DrawSettings gDrawSettings;

void SetObjectTextures(int32_t on) { gDrawSettings.objectTextures = on; }

void SetTerrainTextures(int32_t on) { gDrawSettings.terrainTextures = on; }

void SetNoGround(int32_t on) { gDrawSettings.noGround = on; }

void SetFogThreshold(Fixedpoint depth) { gDrawSettings.fogThreshold = depth; }

void SetFlatThreshold(Fixedpoint depth) { gDrawSettings.flatThreshold = depth; }

void SetFogRange(Fixedpoint range) { gDrawSettings.fogRange = std::max(range, kFixedOne); }

namespace {

constexpr int64_t kTableBytes = 256;

// A table of rows of 256 bytes; a null table or one without rows is kept as none.
void SetRowTable(const uint8_t* table, int32_t rows, const uint8_t*& keptTable, int32_t& keptRows) {
  const bool none = table == nullptr || rows <= 0;
  keptTable = none ? nullptr : table;
  keptRows = none ? 0 : rows;
}

}  // namespace

void SetShadeTable(const uint8_t* table, int32_t rows) {
  SetRowTable(table, rows, gDrawSettings.shadeTable, gDrawSettings.shadeRows);
}

void SetTranslucencyTable(const uint8_t* table, int32_t rows) {
  SetRowTable(table, rows, gDrawSettings.translucencyTable, gDrawSettings.translucencyRows);
}

const uint8_t* UsableTranslucencyTable() {
  if (gDrawSettings.translucencyRows < kTranslucencyRows) return nullptr;
  return gDrawSettings.translucencyTable;
}

void SetRemapTables(const uint8_t* block, int32_t rows) {
  SetRowTable(block, rows, gDrawSettings.remapTables, gDrawSettings.remapRows);
}

const uint8_t* RemapTable(int64_t n) {
  if (!gDrawSettings.remapTables || n < 0 || n >= gDrawSettings.remapRows) return nullptr;
  return gDrawSettings.remapTables + n * kTableBytes;
}

void ResetDrawCounters() { gDrawSettings.counters = {}; }
