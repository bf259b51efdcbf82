#include "platform/PictureConversion.h"

#include <cstddef>

namespace platform {

ArgbColours ToArgb(const std::array<Rgb, 256>& colours) {
  ArgbColours argb{};
  for (size_t i = 0; i < colours.size(); ++i) {
    const Rgb& c = colours[i];
    argb[i] = 0xFF000000u | uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
  }
  return argb;
}

void ConvertPicture(const uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, const ArgbColours& colours,
                    uint32_t* out, int32_t outPitch) {
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* from = pixels + static_cast<ptrdiff_t>(y) * pitch;
    auto* to = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out) + static_cast<ptrdiff_t>(y) * outPitch);
    for (int32_t x = 0; x < width; ++x) to[x] = colours[from[x]];
  }
}

}  // namespace platform
