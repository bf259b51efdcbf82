#pragma once
#include <array>
#include <cstdint>

#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/GroundTriangle.h"
#include "pel3d/math/Matrix.h"
#include "pel3d/math/Vec3.h"

struct DrawCell;
struct ScreenVertex;

constexpr int32_t kGridMinCells = 13;
constexpr int32_t kGridMaxCells = 61;
constexpr Fixedpoint kGridCellSize = 64 * kFixedOne;

// The ground grid that moves with the viewer: cells per side, the blocks laid out in the
// grid's arena, and what the world and the grid pass write into them each frame.
struct TerrainGrid {
  int arena = -1;  // created once, at the first lay-out
  bool laidOut = false;
  uint32_t layouts = 0;  // counts the lay-outs: each leaves the corners without heights
  int32_t cells = 0;  // cells per side
  int32_t corners = 0;  // corner count, (cells + 1)^2
  int32_t triangles = 0;  // 2 x cells^2
  int32_t cellListCapacity = 0;  // cells^2 / 2

  TransformedVertex* rotated = nullptr;  // "gridrot": this frame's transformed corners
  ScreenVertex* projected = nullptr;  // "gridproj": three per triangle
  Vec3* positions = nullptr;  // "gridvert": grid space; the world writes the heights
  GroundTriangle** groundList = nullptr;  // "gridsfaces": two per listed cell
  GroundTriangle* faces = nullptr;  // "gridfaces": two per cell
  TransformedVertex** whereIsIt = nullptr;  // per corner, its record in rotated this frame
  uint8_t* visited = nullptr;  // per corner, transformed this frame
  DrawCell** cellList = nullptr;  // visible cells far to near; null for a cell without record
  DrawCell** worldCellList = nullptr;  // a second list for the world's own use

  // Written by the world each frame.
  int32_t cellCount = 0;
  int32_t groundCount = 0;

  Vec3 origin;  // set by the world when it re-centres the grid
  Matrix orientation{};
  Matrix matrix{};  // grid space to view space, rebuilt every frame

  // Per cell (rows of 61 whatever the size), its first ground triangle.
  std::array<GroundTriangle*, kGridMaxCells * kGridMaxCells> cellTriangles{};
};

extern TerrainGrid gGrid;

// The bytes of the grid's arena: its blocks for a grid of 61 cells a side.
uint32_t GridArenaSize();

// Lays the grid out with max(cells, 13) cells a side; a size above 61 changes nothing.
// 1 when the grid's arena cannot be created, else 0.
int32_t GridInit(int32_t cells);

// Rebuilds the grid matrix: the camera matrix x the orientation moved by the origin.
void GridViewSetup();
