#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "game/world/CellRecords.h"
#include "pel3d/math/FixedPoint.h"

// The world's width: a cell the grid shows this far from its record's centre is seen across
// the map's wrap.
constexpr int32_t kWorldWidthUnits = 16384;

// This frame's stand-ins for records the grid shows across the map's wrap: a copy of the
// record with its centre moved by the world's width, sharing its static and dynamic lists,
// so the engine draws the record's bodies where the grid shows the cell. One spare per
// record and frame, so a shared record still counts its cells and draws its objects once.
class SpareCellRecords {
public:
  SpareCellRecords();

  // Forgets the spares of the previous frame.
  void Clear();
  // The record to list for a cell whose centre the grid shows at (x, z): the record itself,
  // or its spare when the centre lies more than half the world's width from the record's.
  // Null stays null.
  cell_info* RecordFor(cell_info* record, Fixedpoint x, Fixedpoint z);

private:
  std::vector<cell_info> mSpares;  // never grown past its reserve: pointers stay valid
  std::unordered_map<const cell_info*, cell_info*> mSpareOf;
};

// How far, in whole units, a cell centre at position (whole units) lies across the wrap
// from a record centre: 0, or plus or minus the world's width.
int32_t WrapShift(int32_t position, int32_t recordCentre);
