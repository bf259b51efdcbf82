#include "game/world/CellMap.h"

#include "game/WorldAssert.h"

cell_info* OMAP[kMapSize][kMapSize];

namespace {

bool InList(const cell_info& cell, const dyobj& dyObj) {
  for (const DrawObject* object = cell.firstObjects; object; object = object->nextFirst) {
    if (object == &dyObj) return true;
  }
  return false;
}

}  // namespace

bool LinkToCell(cell_info* cellPointer, dyobj& dyObj) {
  if (!WORLD_CHECK(cellPointer)) return false;
  // The whole list is searched, not only its head: a second link anywhere would tie the
  // list into a loop.
  if (!WorldCheck(!InList(*cellPointer, dyObj), "cellPointer->dyptr != &dyObj", __FILE__, __LINE__)) return false;
  dyObj.nextFirst = cellPointer->firstObjects;
  cellPointer->firstObjects = &dyObj;
  return true;
}

bool UnlinkFromCell(cell_info* cellPointer, dyobj& dyObj) {
  if (!WORLD_CHECK(cellPointer)) return false;
  DrawObject** dyptrptr = &cellPointer->firstObjects;
  while (*dyptrptr && *dyptrptr != &dyObj) dyptrptr = &(*dyptrptr)->nextFirst;
  if (!WORLD_CHECK(*dyptrptr)) return false;
  *dyptrptr = dyObj.nextFirst;
  dyObj.nextFirst = nullptr;
  return true;
}
