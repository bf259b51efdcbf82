#include "game/world/DrawVisibleCells.h"

#include <vector>

#include "game/world/CellMap.h"
#include "game/world/SpareCellRecords.h"
#include "game/world/TerrainMaps.h"
#include "game/world/ViewLists.h"
#include "game/world/VisibleCells.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/TextureColourTable.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/math/View.h"

namespace {

struct FrameCells {
  std::vector<VisibleCell> visible;
  std::vector<cell_info*> records;  // per visible cell, the record listed for it
  std::vector<cell_info*> distinct;  // each listed record once
  SpareCellRecords spares;
};

FrameCells& Frame() {
  static FrameCells frame;
  return frame;
}

void ResetRecord(cell_info& record) {
  record.drawCountdown = 0;
  record.flags &= static_cast<uint16_t>(~(kCellFar | kCellVisited));
  record.secondObjects = nullptr;
}

void SetGround(const VisibleCell& cell, GroundTriangle* pair, const ResourceGroup* groundBitmaps) {
  const uint32_t texture = GroundTexture(cell.cellX, cell.cellY);
  const TileRecord* tile = GetTileRecord(groundBitmaps, texture);
  pair[0].tile = pair[1].tile = tile;
  if (gDrawSettings.terrainTextures) {
    pair[0].word = pair[1].word = texture;
    return;
  }
  pair[0].word = GetTextureColour(texture);
  pair[1].word = pair[0].word + 1;
}

int64_t FlatDistance() {
  const int64_t flat = gDrawSettings.flatThreshold >> 4;
  return flat * flat;
}

void CountRecord(cell_info& record, bool far, std::vector<cell_info*>& distinct) {
  if (record.drawCountdown++ == 0) distinct.push_back(&record);
  if (far) {
    record.flags |= kCellFar;
  } else {
    record.flags &= static_cast<uint16_t>(~kCellFar);
  }
}

void FillLists(FrameCells& frame, const ResourceGroup* groundBitmaps) {
  const int64_t flatDistance = FlatDistance();
  gGrid.cellCount = 0;
  gGrid.groundCount = 0;
  for (std::size_t i = 0; i < frame.visible.size(); ++i) {
    const VisibleCell& cell = frame.visible[i];
    cell_info* record = frame.records[i];
    if (record) CountRecord(*record, cell.distance > flatDistance, frame.distinct);
    GroundTriangle* pair = gGrid.cellTriangles[static_cast<std::size_t>(cell.row * kGridMaxCells + cell.column)];
    SetGround(cell, pair, groundBitmaps);
    gGrid.cellList[gGrid.cellCount++] = record;
    gGrid.groundList[gGrid.groundCount++] = pair;
    gGrid.groundList[gGrid.groundCount++] = pair + 1;
  }
}

void PlaceObject(DrawObject& object) {
  if (!object.body) return;
  Placement placement;
  placement.position = object.position;
  placement.orientation = object.orientation;
  for (int row = 0; row < 3; ++row) placement.orientation[4 * row + 3] = 0;
  SetBodyMatrix(object.body, placement, kNoScale);
  SetBodyFlagMode(object.body, kBodySetOwnMatrix);
}

// Places every dynamic object the engine will draw with the record: those of its view list
// and those of its own list that no view list took.
void PlaceObjects(cell_info& record) {
  for (DrawObject* object = record.firstObjects; object; object = object->nextFirst) {
    if (!(object->flags & kDyobjListed)) PlaceObject(*object);
  }
  for (DrawObject* object = record.secondObjects; object; object = object->nextSecond) PlaceObject(*object);
}

}  // namespace

void ListVisibleCells(const ResourceGroup* groundBitmaps) {
  FrameCells& frame = Frame();
  FindVisibleCells(frame.visible);
  frame.spares.Clear();
  frame.records.clear();
  frame.distinct.clear();
  for (const VisibleCell& cell : frame.visible) {
    frame.records.push_back(frame.spares.RecordFor(cell.record, cell.centreX, cell.centreZ));
  }
  for (cell_info* record : frame.records) {
    if (record) ResetRecord(*record);
  }
  FillLists(frame, groundBitmaps);
  const Vec3 viewer = gView.cameraPosition;
  SpreadViewLists(frame.distinct.data(), static_cast<int32_t>(frame.distinct.size()), &viewer);
  for (cell_info* record : frame.distinct) PlaceObjects(*record);
}

void DrawVisibleCells(const ResourceGroup* groundBitmaps) {
  ListVisibleCells(groundBitmaps);
  GridViewSetup();
  DrawView();
  // A draw that did not count the records down (no scene draw selected) must not leave
  // them looking visible to the next frame's spreading pass.
  for (cell_info* record : Frame().distinct) record->drawCountdown = 0;
}
