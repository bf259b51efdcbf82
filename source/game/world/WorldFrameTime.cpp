#include "game/world/WorldFrameTime.h"

Fixedpoint FrameStep = 0;
Fixedpoint SmoothFrameStep = 0;
uint32_t gDrawFrameCounter = 0;
uint32_t gRadarPhaseCounter = 0;

Fixedpoint SmoothedFrameStep(Fixedpoint smooth, Fixedpoint step) {
  const int64_t sum = 7 * static_cast<int64_t>(smooth) + step;
  return static_cast<Fixedpoint>(sum >> 3);
}

void AdvanceWorldClock() {
  SmoothFrameStep = SmoothedFrameStep(SmoothFrameStep, FrameStep);
  ++gDrawFrameCounter;
  ++gRadarPhaseCounter;
}
