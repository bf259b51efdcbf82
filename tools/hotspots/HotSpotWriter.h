#pragma once
#include <cstdint>
#include <vector>

#include "Drovane/HotSpot.h"

// The bytes of an "HSPT" resource holding the regions in order. The words the game does
// not read are filled as the program's own resources have them: 5 after the tag, and group
// 0 before each record.
std::vector<uint8_t> WriteHotSpots(const std::vector<HotSpot>& regions);
