#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/StaticColours.h"
#include "platform/WindowMessages.h"

namespace platform {

// The 8-bit picture a window shows and the 256 colours it is shown through. Rows are
// packed: pixel (x, y) is pixels[y * size.x + x].
struct WindowPicture {
  Point size;
  std::vector<uint8_t> pixels;
  std::array<Rgb, 256> colours{};
};

}  // namespace platform
