#include "pel3d/raster/FogLevel.h"

#include <algorithm>

#include "pel3d/draw/DrawSettings.h"

int32_t VertexFogLevel(Fixedpoint depth) {
  const int64_t beyond = std::max<int64_t>(int64_t{depth} - gDrawSettings.fogThreshold, 0);
  const int64_t range = std::max<int64_t>(gDrawSettings.fogRange, 1);
  const int64_t level = ((beyond << 16) / range) << 5;
  return static_cast<int32_t>(std::min<int64_t>(level, kHighestFogLevel));
}

int32_t FogLevelStep(int32_t from, int32_t to, int64_t height) {
  if (height <= 0) return 0;
  return static_cast<int32_t>(((int64_t{to} - from) << 16) / height);
}

SpanFog SpanFogLevels(int32_t left, int32_t right, int32_t count) {
  const int32_t step = count > 0 ? static_cast<int32_t>((int64_t{right} - left) / count) : 0;
  if (left < 0 || (left == 0 && step < 0)) return {0, 0};
  return {left, step};
}

const uint8_t* UsableShadeTable() {
  if (gDrawSettings.shadeRows < kShadeRows) return nullptr;
  return gDrawSettings.shadeTable;
}
