#pragma once
#include <cstdint>

#include "pel3d/bodies/ScreenVertex.h"

struct ChainPoint;

// u and v along one edge, perspective-correct on every row. With s the screen-space
// fraction of the way from the upper vertex a to the lower vertex b, the fraction of the
// way in the face's own space is t = P / Q, P = s a.z and Q = b.z + s (a.z - b.z); P and Q
// are linear in the row, so they are stepped by addition and cost one division per row.
class CorrectedEdge {
public:
  // Starts the edge from a to b, which covers rows rows (at least 1) from a's row on: the
  // chain takes a's own u and v.
  void SetUp(const ScreenVertex& a, const ScreenVertex& b, int32_t rows, ChainPoint& at);
  // Moves to the top of the next row and sets the chain's u and v there.
  void Step(ChainPoint& at);

private:
  int32_t mUBase = 0;
  int32_t mVBase = 0;
  int32_t mUExtent = 0;
  int32_t mVExtent = 0;
  int32_t mP = 0;
  int32_t mQ = 0;
  int32_t mPStep = 0;
  int32_t mQStep = 0;
};
