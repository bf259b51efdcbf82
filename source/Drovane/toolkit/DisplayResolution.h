#pragma once
#include <cstdint>

#include "platform/WindowMessages.h"

// The picture size the root window is built for: 1 is 640 x 480 (the initial value),
// 2 is 800 x 600, 3 is 1024 x 768.
extern int32_t gResolution;

// The root window's rectangle from (0, 0) for a resolution; any other value gives 640 x 480.
platform::Rect RootRectForResolution(int32_t resolution);
