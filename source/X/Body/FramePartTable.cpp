#include "X/Body/FramePartTable.h"

std::array<FramePart, kFrameParts> gFramePartTable;
