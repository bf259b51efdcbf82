#include "game/world/DrawFrameCounter.h"

uint32_t gDrawFrameCounter = 0;
