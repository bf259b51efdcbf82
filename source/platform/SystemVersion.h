#pragma once
#include <cstdint>

namespace platform {

// The system's version word as the game reads it: major version in the low byte, minor
// version in the next, the top bit set only for the old 16-bit based systems. This system
// reports itself as version 4.0 of the 32-bit line, the newest the game tells apart.
uint32_t GetVersion();

}  // namespace platform
