#include "game/world/ViewLists.h"

#include "game/WorldAssert.h"
#include "game/world/CellMap.h"

namespace {

cell_info* VisibleCellAt(Fixedpoint x, Fixedpoint z) {
  cell_info* cell = CellOfPoint(x, z);
  return cell && cell->drawCountdown > 0 ? cell : nullptr;
}

cell_info* FirstVisibleCorner(const dyobj& object) {
  const Fixedpoint west = object.position.x - object.radius, east = object.position.x + object.radius;
  const Fixedpoint north = object.position.z + object.radius, south = object.position.z - object.radius;
  const Fixedpoint corners[4][2] = {{west, north}, {east, north}, {west, south}, {east, south}};
  for (const auto& corner : corners) {
    if (cell_info* cell = VisibleCellAt(corner[0], corner[1])) return cell;
  }
  return nullptr;
}

void ListObject(dyobj& dyObj) {
  dyObj.nextSecond = nullptr;
  dyObj.flags &= ~kDyobjListed;
  cell_info* cellPointer = FirstVisibleCorner(dyObj);
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

void SpreadViewLists(cell_info* const* cells, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    cell_info* cell = cells[i];
    if (!cell || (cell->flags & kCellVisited)) continue;
    cell->flags |= kCellVisited;
    for (DrawObject* object = cell->firstObjects; object; object = object->nextFirst) {
      ListObject(*static_cast<dyobj*>(object));
    }
  }
}
