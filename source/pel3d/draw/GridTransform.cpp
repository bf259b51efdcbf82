#include "pel3d/draw/GridTransform.h"

#include <algorithm>

#include "pel3d/draw/CellRecords.h"
#include "pel3d/draw/DepthClip.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/ScreenClip.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/draw/ViewVolume.h"
#include "pel3d/math/View.h"

namespace {

constexpr Fixedpoint kNearGroundDepth = 128 * kFixedOne;
constexpr int32_t kTriangleCorners = 3;

// The triangle's corners in this frame's transformed records.
struct TriangleCorners {
  uint32_t indices[kTriangleCorners];
  FaceCorners corners;
};

TriangleCorners CornersOf(const GroundTriangle& triangle) {
  TriangleCorners result{};
  for (int i = 0; i < kTriangleCorners; ++i) {
    result.indices[i] = static_cast<uint32_t>(gGrid.whereIsIt[triangle.corners[i]] - gGrid.rotated);
  }
  result.corners = {gGrid.rotated, result.indices, triangle.texCoords.data(), kTriangleCorners};
  return result;
}

int32_t ListedCells() { return std::clamp(gGrid.cellCount, 0, gGrid.cellListCapacity); }

// Two ground-list entries per listed cell, within the list.
int32_t ListedTriangles() { return std::min(2 * ListedCells(), gGrid.triangles); }

// A triangle of this lay-out names corners of this grid.
bool HasGridCorners(const GroundTriangle& triangle) {
  return std::all_of(triangle.corners.begin(), triangle.corners.end(),
                     [](uint32_t corner) { return corner < static_cast<uint32_t>(gGrid.corners); });
}

void TransformCorner(uint32_t corner, TransformedVertex*& next) {
  if (gGrid.visited[corner]) return;
  gGrid.visited[corner] = 1;
  Vec3 view;
  TransformVertex(gGrid.positions[corner], view, gGrid.matrix);
  *next = {view.x, view.y, view.z, nullptr};
  gGrid.whereIsIt[corner] = next++;
}

// Step 1: the corners of every triangle to draw, each transformed once.
void TransformCorners() {
  TransformedVertex* next = gGrid.rotated;
  const int32_t triangles = ListedTriangles();
  for (int32_t i = 0; i < triangles; ++i) {
    GroundTriangle* triangle = gGrid.groundList[i];
    if (!triangle) continue;
    const DrawCell* cell = gGrid.cellList[i / 2];
    triangle->pendingCount = 0;
    if (cell && (cell->flags & kCellNoGround)) continue;
    if (!HasGridCorners(*triangle)) continue;
    triangle->pendingCount = kTriangleCorners;
    for (uint32_t corner : triangle->corners) TransformCorner(corner, next);
  }
}

// The first corner near the camera or in the fog decides; middle when none is.
int32_t GroundTypeOf(const FaceCorners& corners) {
  for (int32_t i = 0; i < corners.count; ++i) {
    const Fixedpoint z = corners.Vertex(i).z;
    if (z <= kNearGroundDepth) return kGroundNear;
    if (z >= gDrawSettings.fogThreshold) return kGroundFar;
  }
  return kGroundMiddle;
}

// The triangle's screen vertices before screen clipping and its ground type; 0 when it is
// not drawn.
int32_t ProjectTriangle(GroundTriangle& triangle, const FaceCorners& corners, VertexOutput& out) {
  const DepthClipped clipped = ClipAndProjectFace(corners, gView.farClip, false, out);
  switch (clipped.cut) {
    case DepthCut::kNear:
      triangle.groundType = kGroundNear;
      break;
    case DepthCut::kFar:
      triangle.groundType = kGroundFar;
      break;
    case DepthCut::kNone:
      if (clipped.written > 0) triangle.groundType = GroundTypeOf(corners);
      break;
  }
  return clipped.written;
}

bool OutOfView(const ViewVolume& volume, const FaceCorners& corners) {
  VolumeCodes codes;
  for (int32_t i = 0; i < corners.count; ++i) codes.Add(volume.Outcode(corners.Vertex(i)));
  return codes.Hidden(true, false);
}

// Step 2: depth clipping, ground type and projection.
void ProjectTriangles(VertexOutput& out) {
  const ViewVolume volume;
  const int32_t triangles = ListedTriangles();
  for (int32_t i = 0; i < triangles; ++i) {
    GroundTriangle* triangle = gGrid.groundList[i];
    if (!triangle || triangle->pendingCount == 0) continue;
    triangle->pendingCount = 0;
    triangle->projectedVertices = out.next;
    triangle->groundType = kGroundMiddle;
    const TriangleCorners corners = CornersOf(*triangle);
    if (OutOfView(volume, corners.corners)) continue;
    triangle->pendingCount = std::max(ProjectTriangle(*triangle, corners.corners, out), 0);
  }
}

// Step 3: screen clipping, always with perspective correction.
void ClipTriangles(VertexOutput& out) {
  const int32_t triangles = ListedTriangles();
  for (int32_t i = 0; i < triangles; ++i) {
    GroundTriangle* triangle = gGrid.groundList[i];
    if (!triangle) continue;
    triangle->finalCount = 0;
    if (triangle->pendingCount == 0) continue;
    triangle->finalVertices = triangle->projectedVertices;
    triangle->finalCount = ClipToScreen(triangle->finalVertices, triangle->pendingCount, {}, out);
  }
}

}  // namespace

void ClearGridVisited() {
  if (gGrid.laidOut) std::fill_n(gGrid.visited, gGrid.corners, uint8_t{0});
}

void GridTransform() {
  if (!gGrid.laidOut) return;
  TransformCorners();
  VertexOutput out{gGrid.projected, gGrid.projected + 3 * static_cast<std::ptrdiff_t>(gGrid.triangles)};
  ProjectTriangles(out);
  ClipTriangles(out);
}
