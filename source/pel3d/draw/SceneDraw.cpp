#include "pel3d/draw/SceneDraw.h"

#include <algorithm>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/CellRecords.h"
#include "pel3d/draw/DispatchTables.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FaceProcessing.h"
#include "pel3d/draw/GridTransform.h"
#include "pel3d/draw/PolygonDispatch.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/draw/PolygonSort.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/View.h"

namespace {

void EmptyLists() {
  gUnsortedList.Empty();
  gSortedList.Empty();
  ResetVertexPools();
}

void Flush() {
  DrawSceneList(gUnsortedList);
  if (gSortedList.count > 0) {
    SortPolygons(gSortedList.entries.data(), gSortedList.entries.data() + gSortedList.count - 1);
    DrawSceneList(gSortedList);
  }
  EmptyLists();
}

void DrawGroundTriangle(const GroundTriangle* triangle) {
  if (!triangle || triangle->finalCount <= 0) return;
  if (triangle->groundType < 0 || triangle->groundType >= kUntexturedGroundOffset) return;
  DrawBlock block;
  block.vertexCount = triangle->finalCount;
  block.vertices = triangle->finalVertices;
  block.word = triangle->word;
  block.tile = triangle->tile;
  const int32_t offset = gDrawSettings.terrainTextures ? 0 : kUntexturedGroundOffset;
  ++gDrawSettings.counters.groundPolygons;
  CallRasterRoutine(kGroundTable[static_cast<std::size_t>(triangle->groundType + offset)], block);
}

void DrawGround(const DrawCell* cell, GroundTriangle* const* ground) {
  if (cell && ((cell->flags & kCellNoGround) || gDrawSettings.noGround)) return;
  DrawGroundTriangle(ground[0]);
  DrawGroundTriangle(ground[1]);
}

// The body a static object draws in this cell, or null for none.
Body* StaticBody(const DrawCell& cell, Body* body) {
  if (!body || !(cell.flags & kCellFar) || !body->userData) return body;
  if (body->userData == kSkipInFarCells) return nullptr;
  return static_cast<Body*>(body->userData);
}

// The camera matrix x the grid's orientation: every cell's matrix is the orientation moved
// by the cell's origin, so the products differ only in their translation column.
Matrix CellRotation() {
  Matrix rotation;
  MatrixMultiply(gView.cameraMatrix, gGrid.orientation, rotation);
  return rotation;
}

void SetCellSpace(const DrawCell& cell, const Matrix& cellRotation) {
  const Vec3 origin{cell.originX * kFixedOne, cell.originY * kFixedOne, cell.originZ * kFixedOne};
  Matrix cellMatrix = gGrid.orientation;
  for (int row = 0; row < 3; ++row) cellMatrix[4 * row + 3] = wrap32::Add(cellMatrix[4 * row + 3], origin[row]);
  for (int axis = 0; axis < 3; ++axis) {
    gCellObjectSpace.camera[axis] = wrap32::Sub(gView.cameraPosition[axis], origin[axis]);
  }
  gCellObjectSpace.matrix = cellRotation;
  MatrixMultiplyColumn(gView.cameraMatrix, cellMatrix, 3, gCellObjectSpace.matrix);
}

void QueueStaticObjects(const DrawCell& cell, const Matrix& cellRotation) {
  bool queued = false;
  for (const StaticEntry* entry = cell.staticObjects; entry; entry = entry->next) {
    if (Body* body = StaticBody(cell, entry->body)) queued |= AppendQueuedBody(body);
  }
  if (queued) SetCellSpace(cell, cellRotation);
}

void QueueDynamicObject(DrawObject& object) {
  Body* body = object.body;
  if (!body || (body->flags & kBodySwitchedOff)) return;
  Matrix work;
  MatrixTranspose(object.orientation, work);
  Vec3 relative;
  for (int axis = 0; axis < 3; ++axis) {
    relative[axis] = wrap32::Sub(gView.cameraPosition[axis], object.position[axis]);
  }
  Vec3 objectCamera;
  TransformVertex(relative, objectCamera, work);
  if (AppendQueuedBody(body, objectCamera)) LightBodyVertical(body, work);
}

void QueueDynamicObjects(const DrawCell& cell) {
  for (DrawObject* object = cell.firstObjects; object; object = object->nextFirst) {
    if (!(object->flags & kDrawObjectSkip)) QueueDynamicObject(*object);
  }
  for (DrawObject* object = cell.secondObjects; object; object = object->nextSecond) QueueDynamicObject(*object);
}

// Queues, processes and, when they added polygons, draws the objects of the cell.
void DrawCellObjects(DrawCell& cell, const Matrix& cellRotation) {
  EmptyBodyQueue();
  QueueStaticObjects(cell, cellRotation);
  QueueDynamicObjects(cell);
  const int32_t before = gUnsortedList.count + gSortedList.count;
  TransformCellObjects();
  if (gUnsortedList.count + gSortedList.count != before) Flush();
}

}  // namespace

void DrawScene() {
  ResetDrawCounters();
  if (!gGrid.laidOut) return;
  ClearGridVisited();
  GridTransform();
  EmptyLists();
  const Matrix cellRotation = CellRotation();
  const int32_t cells = std::clamp(std::min(gGrid.cellCount, gGrid.groundCount / 2), 0, gGrid.cellListCapacity);
  for (int32_t i = 0; i < cells; ++i) {
    DrawCell* cell = gGrid.cellList[i];
    DrawGround(cell, gGrid.groundList + 2 * i);
    if (!cell || --cell->drawCountdown != 0) continue;
    DrawCellObjects(*cell, cellRotation);
  }
  if (gUnsortedList.count + gSortedList.count > 0) Flush();
}
