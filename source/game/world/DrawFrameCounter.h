#pragma once
#include <cstdint>

// Counts the world steps (wrapping); the blinking lights take their phase from it.
extern uint32_t gDrawFrameCounter;
