#include "pel3d/raster/PerspectiveTexelWalk.h"

PerspectiveTexelWalk SetUpPerspectiveTexelWalk(const Bitmap& bitmap, Fixedpoint column, Fixedpoint row,
                                               int64_t columnStep, int64_t rowStep) {
  const uint64_t rowMagnitude = static_cast<uint64_t>(rowStep < 0 ? -rowStep : rowStep);
  const uint32_t width = bitmap.width;
  PerspectiveTexelWalk walk;
  walk.address = (static_cast<uint32_t>(row) >> 16) * width * 4096 + (static_cast<uint32_t>(column) >> 4);
  walk.rowFraction = static_cast<uint32_t>(row) << 16;
  walk.rowCarry = width * 4096;
  uint32_t wholeRows = static_cast<uint32_t>(rowMagnitude >> 16) * width * 4096;
  if (rowStep < 0) {
    walk.rowCarry = 0u - walk.rowCarry;
    wholeRows = 0u - wholeRows;
    walk.rowFraction = 0u - walk.rowFraction;
  }
  walk.addressStep = static_cast<uint32_t>(columnStep) + wholeRows;
  walk.rowFractionStep = static_cast<uint32_t>(rowMagnitude << 16);
  return walk;
}
