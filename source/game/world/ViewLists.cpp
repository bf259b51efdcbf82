#include "game/world/ViewLists.h"

#include "game/WorldAssert.h"
#include "game/world/CellMap.h"
#include "game/world/VisibleCells.h"

namespace {

cell_info* VisibleCellAt(Fixedpoint x, Fixedpoint z) {
  cell_info* cell = CellOfPoint(x, z);
  return cell && cell->drawCountdown > 0 ? cell : nullptr;
}

// The squared horizontal distance from the viewer to the centre of the cell of a point,
// across the map's wrap where that is shorter.
int64_t CellDistance(Fixedpoint x, Fixedpoint z, const Vec3& viewer) {
  const auto wrapped = [](int64_t difference) {
    const int64_t width = int64_t{kMapSize} * kCellUnits * kFixedOne;
    difference %= width;
    if (difference > width / 2) difference -= width;
    if (difference < -width / 2) difference += width;
    return static_cast<Fixedpoint>(difference);
  };
  const int64_t half = kCellUnits / 2 * kFixedOne;
  const int64_t centreX = int64_t{CellXOfPoint(x)} * kCellUnits * kFixedOne - kWorldHalf + half;
  const int64_t centreZ = kWorldHalf - int64_t{CellYOfPoint(z)} * kCellUnits * kFixedOne - half;
  return SquaredDistance(wrapped(centreX - viewer.x), wrapped(centreZ - viewer.z));
}

cell_info* VisibleCorner(const dyobj& object, const Vec3* viewer) {
  const Fixedpoint west = object.position.x - object.radius, east = object.position.x + object.radius;
  const Fixedpoint north = object.position.z + object.radius, south = object.position.z - object.radius;
  const Fixedpoint corners[4][2] = {{west, north}, {east, north}, {west, south}, {east, south}};
  cell_info* chosen = nullptr;
  int64_t nearest = 0;
  for (const auto& corner : corners) {
    cell_info* cell = VisibleCellAt(corner[0], corner[1]);
    if (!cell) continue;
    if (!viewer) return cell;
    const int64_t distance = CellDistance(corner[0], corner[1], *viewer);
    if (!chosen || distance < nearest) {
      chosen = cell;
      nearest = distance;
    }
  }
  return chosen;
}

void ListObject(dyobj& dyObj, const Vec3* viewer) {
  dyObj.nextSecond = nullptr;
  dyObj.flags &= ~kDyobjListed;
  cell_info* cellPointer = VisibleCorner(dyObj, viewer);
  if (!cellPointer) return;
  if (!WorldCheck(cellPointer->secondObjects != &dyObj, "cellPointer->vwptr != &dyObj", __FILE__, __LINE__)) return;
  dyObj.nextSecond = cellPointer->secondObjects;
  cellPointer->secondObjects = &dyObj;
  dyObj.flags |= kDyobjListed;
}

}  // namespace

void ClearViewLists(cell_info* const* cells, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (!cells[i]) continue;
    cells[i]->secondObjects = nullptr;
    cells[i]->flags &= static_cast<uint16_t>(~kCellVisited);
  }
}

void SpreadViewLists(cell_info* const* cells, int32_t count, const Vec3* viewer) {
  for (int32_t i = 0; i < count; ++i) {
    cell_info* cell = cells[i];
    if (!cell || (cell->flags & kCellVisited)) continue;
    cell->flags |= kCellVisited;
    for (DrawObject* object = cell->firstObjects; object; object = object->nextFirst) {
      ListObject(*static_cast<dyobj*>(object), viewer);
    }
  }
}
