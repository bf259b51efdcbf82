#include <gtest/gtest.h>

#include <climits>

#include "game/world/WorldFrameTime.h"

namespace {

TEST(WorldFrameTime, SmoothedStepIsAnArithmeticEighthOfTheWeightedSum) {
  struct Case {
    Fixedpoint smooth, step, expected;
  };
  const Case cases[] = {
      {0, 0x10000, 0x2000},                 // a first step of one second
      {0x8000, 0x8000, 0x8000},             // steady
      {0, -8, -1},                          // negative steps round down, not toward zero
      {-0x10000, 0x10000, -0xC000},
      {INT32_MAX, INT32_MAX, INT32_MAX},    // no overflow of 7 x smooth
      {INT32_MIN, INT32_MIN, INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(SmoothedFrameStep(c.smooth, c.step), c.expected) << c.smooth << " " << c.step;
}

TEST(WorldFrameTime, TheClockAdvancesBothCountersAndTheyWrap) {
  SmoothFrameStep = 0;
  FrameStep = 0x10000;
  gDrawFrameCounter = UINT32_MAX;
  gRadarPhaseCounter = 4;
  AdvanceWorldClock();
  EXPECT_EQ(SmoothFrameStep, 0x2000);
  EXPECT_EQ(gDrawFrameCounter, 0u);
  EXPECT_EQ(gRadarPhaseCounter, 5u);
}

}  // namespace
