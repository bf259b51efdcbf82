#pragma once
#include <cstdint>

#include "game/world/CellRecords.h"
#include "pel3d/math/FixedPoint.h"

// The world's 256 x 256 cells of 64.0 units, x-major and wrapping at the edges. Cell (0, 0)
// lies at the north-west corner (X = -8192.0, Z = +8192.0); x grows east and y south. The
// city's tile (x, y) is cell (x, y).
constexpr int kMapSize = 256;
constexpr int kCellUnits = 64;
constexpr Fixedpoint kWorldHalf = 8192 * kFixedOne;

extern cell_info* OMAP[kMapSize][kMapSize];

inline cell_info* CellOfTile(int x, int y) { return OMAP[x & 255][y & 255]; }
// The cell indices of a world point.
inline int CellXOfPoint(Fixedpoint x) { return static_cast<int>((static_cast<uint32_t>(x) + kWorldHalf) >> 22 & 255); }
inline int CellYOfPoint(Fixedpoint z) { return static_cast<int>((kWorldHalf - static_cast<uint32_t>(z)) >> 22 & 255); }
inline cell_info* CellOfPoint(Fixedpoint x, Fixedpoint z) { return OMAP[CellXOfPoint(x)][CellYOfPoint(z)]; }

// Pushes the object at the head of the cell's dynamic list. Refused, with an assertion
// report, when there is no cell or the object is in its list already.
bool LinkToCell(cell_info* cellPointer, dyobj& dyObj);
// Takes the object out of the cell's dynamic list. Refused, with an assertion report, when
// there is no cell or the object is not in its list; the list is then unchanged.
bool UnlinkFromCell(cell_info* cellPointer, dyobj& dyObj);
