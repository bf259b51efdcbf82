#include "pel3d/draw/ViewDistance.h"

#include <algorithm>

#include "pel3d/draw/DrawSettings.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/math/View.h"

namespace {

constexpr Fixedpoint kNearestFlatDepth = 600 * kFixedOne;
constexpr uint32_t kEveryByte = 0x01010101u;

Fixedpoint gDistance = 0;
ViewDistanceLook gLook;

// 0.15 of the distance, truncated.
int64_t FogStep(Fixedpoint distance) { return int64_t{distance} * 15 / 100; }

void SetTable(void (*set)(const uint8_t*, int32_t), const ResourceGroup* bitmaps, uint32_t index) {
  const TableRows table = GetTableRows(bitmaps, index);
  set(table.rows, table.count);
}

}  // namespace

ViewThresholds ThresholdsOfViewDistance(Fixedpoint distance, bool fogOff) {
  const int64_t step = FogStep(distance);
  const int64_t fog = fogOff ? distance : distance - step;
  const int64_t flat = std::max<int64_t>(distance - 2 * step, kNearestFlatDepth);
  const int64_t range = int64_t{distance} + kFixedOne - fog;
  return {static_cast<Fixedpoint>(fog), static_cast<Fixedpoint>(flat), static_cast<Fixedpoint>(range)};
}

void SetViewDistance(Fixedpoint distance, const ViewDistanceLook& look) {
  gDistance = distance;
  gLook = look;
  SetFarClip(distance);
  const ViewThresholds thresholds = ThresholdsOfViewDistance(distance, look.fogOff);
  SetFogThreshold(thresholds.fog);
  SetFlatThreshold(thresholds.flat);
  SetFogRange(thresholds.fogRange);
  SetTable(SetShadeTable, look.bitmaps, look.night ? kNightShadeBitmap : kDayShadeBitmap);
  SetTable(SetTranslucencyTable, look.bitmaps, kDayShadeBitmap);
  const uint8_t sky = look.night ? kNightSkyColour : kDaySkyColour;
  SetClearColour(gDrawSettings.noGround ? 0 : sky * kEveryByte);
}

Fixedpoint GetViewDistance() { return gDistance; }

const ViewDistanceLook& GetViewDistanceLook() { return gLook; }
