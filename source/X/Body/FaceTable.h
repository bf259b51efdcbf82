#pragma once
#include <array>
#include <cstdint>

// A person's face number 0 to 10 names the face image by this value in the world's bitmaps.
inline constexpr std::array<uint16_t, 11> kFaceTable{4, 5, 44, 45, 46, 65, 47, 66, 48, 49, 67};
