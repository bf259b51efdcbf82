#include "game/world/ViewGrid.h"

#include "game/world/CellMap.h"
#include "game/world/TerrainMaps.h"
#include "pel3d/draw/TerrainGrid.h"

namespace {

constexpr Fixedpoint kCellSpan = kCellUnits * kFixedOne;

// What the grid was last centred for.
struct Centring {
  bool valid = false;
  MapCell viewer;
  int32_t cells = 0;
  uint32_t layouts = 0;
  MapCell first;
};

Centring gCentring;

bool IsCurrent() {
  return gCentring.valid && gCentring.viewer == ViewerCell && gCentring.cells == gGrid.cells &&
         gCentring.layouts == gGrid.layouts;
}

Fixedpoint CornerHeight(int32_t x, int32_t y) {
  if (!gTerrain) return 0;
  return gTerrain->cornerHeight[x & 255][y & 255] * kFixedOne;
}

}  // namespace

bool CenterViewGrid() {
  if (!gGrid.laidOut || IsCurrent()) return false;
  const int32_t x = ViewerCell.x & 255;
  const int32_t y = ViewerCell.y & 255;
  const int32_t half = gGrid.cells / 2;
  gGrid.origin = {x * kCellSpan - kWorldHalf, 0, kWorldHalf - y * kCellSpan};
  const MapCell first{x - half, y - half};
  BuildGridVerts(first);
  gCentring = {true, ViewerCell, gGrid.cells, gGrid.layouts, first};
  return true;
}

void BuildGridVerts(const MapCell& first) {
  if (!gGrid.laidOut) return;
  const int32_t side = gGrid.cells + 1;
  for (int32_t row = 0; row < side; ++row) {
    for (int32_t column = 0; column < side; ++column) {
      gGrid.positions[row * side + column].y = CornerHeight(first.x + column, first.y + row);
    }
  }
}

MapCell ViewGridFirstCell() { return gCentring.first; }

void InvalidateViewGrid() { gCentring.valid = false; }
