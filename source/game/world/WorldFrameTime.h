#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// The world's time per step, in 16.16 seconds: FrameStep is the last frame's time, which the
// game frame sets before each world step; SmoothFrameStep follows it smoothed over about eight
// steps, so a single slow frame does not jolt what moves by it.
extern Fixedpoint FrameStep;
extern Fixedpoint SmoothFrameStep;

// Counted once per world step, both wrapping at 32 bits: the draw frame (the blinking lights'
// phase) and the radar phase (its low bit chooses the steps that redraw the radar map).
extern uint32_t gDrawFrameCounter;
extern uint32_t gRadarPhaseCounter;

// SmoothFrameStep = (7 x SmoothFrameStep + FrameStep) / 8, an arithmetic shift by 3, in 64
// bits so that large steps cannot overflow the sum.
Fixedpoint SmoothedFrameStep(Fixedpoint smooth, Fixedpoint step);

// The first two items of the world step: the smoothed time and both counters.
void AdvanceWorldClock();
