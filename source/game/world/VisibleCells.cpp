#include "game/world/VisibleCells.h"

#include <algorithm>
#include <array>

#include "game/world/CellMap.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/View.h"

namespace {

// A cell's column in grid space: its ground square and the heights it spans.
struct CellColumn {
  Fixedpoint west = 0;
  Fixedpoint east = 0;
  Fixedpoint south = 0;
  Fixedpoint north = 0;
  Fixedpoint low = 0;
  Fixedpoint high = 0;
};

CellColumn ColumnOf(int32_t row, int32_t column, const cell_info* record) {
  const int32_t side = gGrid.cells + 1;
  const Vec3* corner = gGrid.positions + row * side + column;
  const std::array<Fixedpoint, 4> heights = {corner[0].y, corner[1].y, corner[side].y, corner[side + 1].y};
  CellColumn box;
  box.west = corner[0].x - kCellViewMargin;
  box.east = corner[1].x + kCellViewMargin;
  box.north = corner[0].z + kCellViewMargin;
  box.south = corner[side].z - kCellViewMargin;
  box.low = *std::min_element(heights.begin(), heights.end());
  box.high = *std::max_element(heights.begin(), heights.end());
  if (record) {
    const Fixedpoint top = (record->originY + record->topY) * kFixedOne - gGrid.origin.y;
    box.high = std::max(box.high, top);
  }
  box.low -= kCellViewMargin;
  box.high += kCellViewMargin;
  return box;
}

// Whether some point of the box lies inside every side plane and before the depth limit:
// the box is hidden when all eight of its corners lie outside one of them.
bool MeetsFrustum(const CellColumn& box) {
  std::array<Vec3, 8> view;
  for (int i = 0; i < 8; ++i) {
    const Vec3 corner{i & 1 ? box.east : box.west, i & 2 ? box.high : box.low, i & 4 ? box.north : box.south};
    TransformVertex(corner, view[static_cast<std::size_t>(i)], gGrid.matrix);
  }
  for (const Vec3& normal : gView.frustum) {
    const bool allOutside = std::all_of(view.begin(), view.end(), [&](const Vec3& v) {
      return int64_t{normal.x} * v.x + int64_t{normal.y} * v.y + int64_t{normal.z} * v.z < 0;
    });
    if (allOutside) return false;
  }
  if (std::all_of(view.begin(), view.end(), [](const Vec3& v) { return v.z <= 0; })) return false;
  if (gView.farClip == 0) return true;
  const int64_t limit = int64_t{gView.farClip} + kCellViewMargin;
  return !std::all_of(view.begin(), view.end(), [&](const Vec3& v) { return v.z >= limit; });
}

VisibleCell CellAt(int32_t row, int32_t column) {
  const int32_t side = gGrid.cells + 1;
  const Vec3& northWest = gGrid.positions[row * side + column];
  VisibleCell cell;
  cell.row = row;
  cell.column = column;
  cell.centreX = wrap32::Add(wrap32::Add(northWest.x, gGrid.origin.x), kGridCellSize / 2);
  cell.centreZ = wrap32::Sub(wrap32::Add(northWest.z, gGrid.origin.z), kGridCellSize / 2);
  cell.cellX = CellXOfPoint(cell.centreX);
  cell.cellY = CellYOfPoint(cell.centreZ);
  cell.record = CellOfTile(cell.cellX, cell.cellY);
  cell.distance = SquaredDistance(wrap32::Sub(cell.centreX, gView.cameraPosition.x),
                                  wrap32::Sub(cell.centreZ, gView.cameraPosition.z));
  return cell;
}

bool FartherFirst(const VisibleCell& a, const VisibleCell& b) {
  if (a.distance != b.distance) return a.distance > b.distance;
  if (a.column != b.column) return a.column < b.column;
  return a.row < b.row;
}

}  // namespace

int64_t SquaredDistance(Fixedpoint dx, Fixedpoint dz) {
  // In 1/4096 units the square of any 32-bit difference fits twice into 64 bits.
  const int64_t x = dx >> 4, z = dz >> 4;
  return x * x + z * z;
}

void FindVisibleCells(std::vector<VisibleCell>& cells) {
  cells.clear();
  if (!gGrid.laidOut) return;
  GridViewSetup();
  for (int32_t row = 0; row < gGrid.cells; ++row) {
    for (int32_t column = 0; column < gGrid.cells; ++column) {
      VisibleCell cell = CellAt(row, column);
      if (MeetsFrustum(ColumnOf(row, column, cell.record))) cells.push_back(cell);
    }
  }
  std::sort(cells.begin(), cells.end(), FartherFirst);
  const auto capacity = static_cast<std::size_t>(std::max(gGrid.cellListCapacity, 0));
  if (cells.size() > capacity) cells.erase(cells.begin(), cells.end() - static_cast<std::ptrdiff_t>(capacity));
}
