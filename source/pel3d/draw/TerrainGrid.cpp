#include "pel3d/draw/TerrainGrid.h"

#include <algorithm>
#include <memory>

#include "Drovane/Arena.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/draw/CellRecords.h"
#include "pel3d/math/View.h"

TerrainGrid gGrid;

namespace {

constexpr Fixedpoint kHalfTexel = kFixedOne / 2;
constexpr Fixedpoint kLastTexel = 31 * kFixedOne + kHalfTexel;

// Every block the grid takes from its arena, in order, with its record type and count.
struct GridSizes {
  int64_t corners;
  int64_t triangles;
  int64_t cellList;
};

GridSizes SizesFor(int32_t cells) {
  const int64_t side = cells + 1;
  return {side * side, 2 * int64_t{cells} * cells, int64_t{cells} * cells / 2};
}

constexpr uint32_t Rounded(std::size_t bytes) {
  return static_cast<uint32_t>((bytes + kArenaAlignment - 1) / kArenaAlignment * kArenaAlignment);
}

template <class T>
T* TakeBlock(const char* name, int64_t count) {
  void* memory = ArenaAllocFlagged(gGrid.arena, name, static_cast<uint32_t>(sizeof(T) * count), 0);
  T* records = static_cast<T*>(memory);
  std::uninitialized_value_construct_n(records, count);
  return records;
}

void AllocateBlocks() {
  const GridSizes n = SizesFor(gGrid.cells);
  gGrid.rotated = TakeBlock<TransformedVertex>("gridrot", n.corners);
  gGrid.projected = TakeBlock<ScreenVertex>("gridproj", 3 * n.triangles);
  gGrid.positions = TakeBlock<Vec3>("gridvert", n.corners);
  gGrid.groundList = TakeBlock<GroundTriangle*>("gridsfaces", n.triangles);
  gGrid.faces = TakeBlock<GroundTriangle>("gridfaces", n.triangles);
  gGrid.whereIsIt = TakeBlock<TransformedVertex*>("whereisit", n.corners);
  gGrid.visited = TakeBlock<uint8_t>("isrotated", n.corners);
  gGrid.cellList = TakeBlock<DrawCell*>("gridscells", n.cellList);
  gGrid.worldCellList = TakeBlock<DrawCell*>("gridscells", n.cellList);
}

void LayOutCorners() {
  const int32_t side = gGrid.cells + 1;
  const Fixedpoint half = (gGrid.cells / 2) * kGridCellSize;
  for (int32_t row = 0; row < side; ++row) {
    for (int32_t column = 0; column < side; ++column) {
      Vec3& corner = gGrid.positions[row * side + column];
      corner.x = -half + column * kGridCellSize;
      corner.z = half - row * kGridCellSize;
    }
  }
}

void LayOutCell(int32_t row, int32_t column) {
  const uint32_t side = static_cast<uint32_t>(gGrid.cells + 1);
  const uint32_t k = static_cast<uint32_t>(row) * side + static_cast<uint32_t>(column);
  GroundTriangle* pair = gGrid.faces + 2 * (row * gGrid.cells + column);
  pair[0].corners = {k, k + 1, k + side};
  pair[0].texCoords = {{{kHalfTexel, kHalfTexel}, {kLastTexel, kHalfTexel}, {kHalfTexel, kLastTexel}}};
  pair[1].corners = {k + 1, k + side + 1, k + side};
  pair[1].texCoords = {{{kLastTexel, kHalfTexel}, {kLastTexel, kLastTexel}, {kHalfTexel, kLastTexel}}};
  gGrid.cellTriangles[static_cast<std::size_t>(row * kGridMaxCells + column)] = pair;
}

void LayOutCells() {
  gGrid.cellTriangles.fill(nullptr);
  for (int32_t row = 0; row < gGrid.cells; ++row) {
    for (int32_t column = 0; column < gGrid.cells; ++column) LayOutCell(row, column);
  }
}

bool CreateArena() {
  gGrid.arena = ArenaCreate(GridArenaSize());
  if (gGrid.arena < 0) return false;
  MatrixIdentity(gGrid.orientation);
  gGrid.origin = {};
  return true;
}

}  // namespace

uint32_t GridArenaSize() {
  const GridSizes n = SizesFor(kGridMaxCells);
  const auto c = static_cast<std::size_t>(n.corners);
  const auto t = static_cast<std::size_t>(n.triangles);
  const auto l = static_cast<std::size_t>(n.cellList);
  // The arena moves on to a new block when an allocation would end exactly at the block's
  // end, so the first block has one alignment step to spare.
  return kArenaAlignment + Rounded(c * sizeof(TransformedVertex)) + Rounded(3 * t * sizeof(ScreenVertex)) + Rounded(c * sizeof(Vec3)) +
         Rounded(t * sizeof(GroundTriangle*)) + Rounded(t * sizeof(GroundTriangle)) +
         Rounded(c * sizeof(TransformedVertex*)) + Rounded(c) + 2 * Rounded(l * sizeof(DrawCell*));
}

int32_t GridInit(int32_t cells) {
  if (gGrid.arena < 0 && !CreateArena()) return 1;
  const int32_t n = std::max(cells, kGridMinCells);
  if (n > kGridMaxCells) return 0;
  const GridSizes sizes = SizesFor(n);
  gGrid.cells = n;
  gGrid.corners = static_cast<int32_t>(sizes.corners);
  gGrid.triangles = static_cast<int32_t>(sizes.triangles);
  gGrid.cellListCapacity = static_cast<int32_t>(sizes.cellList);
  gGrid.cellCount = 0;
  gGrid.groundCount = 0;
  ArenaReset(gGrid.arena);
  AllocateBlocks();
  LayOutCorners();
  LayOutCells();
  gGrid.laidOut = true;
  ++gGrid.layouts;
  return 0;
}

void GridViewSetup() {
  Matrix placed = gGrid.orientation;
  placed[3] = wrap32::Add(placed[3], gGrid.origin.x);
  placed[7] = wrap32::Add(placed[7], gGrid.origin.y);
  placed[11] = wrap32::Add(placed[11], gGrid.origin.z);
  MatrixMultiply(gView.cameraMatrix, placed, gGrid.matrix);
}
