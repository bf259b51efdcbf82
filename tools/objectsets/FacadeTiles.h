#pragma once
#include <cstdint>

#include "objectsets/Canvas.h"

// The four zones' facade tile sets: 256 x 256, 8 x 8 tiles of 32, each a window bay of
// one floor. Row r of a set is one wall colour, column c one kind of window.

inline constexpr uint32_t kFacadeSide = 256;
inline constexpr uint32_t kFacadeTile = 32;
inline constexpr uint32_t kFacadeLooks = 8;  // wall colours, one per tile row

// The facade set of a bitmap slot (2, 13, 39 or 40).
Canvas PaintFacadeSet(uint32_t bitmap);
// The wall colour of a row of a set: the tiles' most frequent colour, the faces' far colour.
uint8_t FacadeWallColour(uint32_t bitmap, uint32_t look);
// The tile of a look and a window kind.
constexpr uint32_t FacadeTile(uint32_t look, uint32_t window) { return (look % 8) * 8 + window % 8; }

// Rows of the public buildings' set.
inline constexpr uint32_t kWhiteLook = 0;
inline constexpr uint32_t kPoliceLook = 1;
inline constexpr uint32_t kFireLook = 2;
inline constexpr uint32_t kHangarLook = 3;
