#include "game/world/SpareCellRecords.h"

#include "pel3d/draw/TerrainGrid.h"

SpareCellRecords::SpareCellRecords() { mSpares.reserve(kGridMaxCells * kGridMaxCells / 2); }

void SpareCellRecords::Clear() {
  mSpares.clear();
  mSpareOf.clear();
}

int32_t WrapShift(int32_t position, int32_t recordCentre) {
  const int32_t difference = position - recordCentre;
  if (difference > kWorldWidthUnits / 2) return kWorldWidthUnits;
  if (difference < -kWorldWidthUnits / 2) return -kWorldWidthUnits;
  return 0;
}

cell_info* SpareCellRecords::RecordFor(cell_info* record, Fixedpoint x, Fixedpoint z) {
  if (!record) return nullptr;
  const int32_t shiftX = WrapShift(x >> 16, record->originX);
  const int32_t shiftZ = WrapShift(z >> 16, record->originZ);
  if (shiftX == 0 && shiftZ == 0) return record;
  if (auto found = mSpareOf.find(record); found != mSpareOf.end()) return found->second;
  // Every listed cell has at most one spare, and no more cells are listed than the reserve.
  if (mSpares.size() == mSpares.capacity()) return record;
  cell_info& spare = mSpares.emplace_back(*record);
  spare.originX = static_cast<int16_t>(spare.originX + shiftX);
  spare.originZ = static_cast<int16_t>(spare.originZ + shiftZ);
  mSpareOf.emplace(record, &spare);
  return &spare;
}
