#pragma once
#include <array>
#include <cstdint>

#include "platform/StaticColours.h"

// Turning an 8-bit picture into 32-bit pixels for the screen.
namespace platform {

using ArgbColours = std::array<uint32_t, 256>;

// Each colour as an opaque 0xAARRGGBB pixel.
ArgbColours ToArgb(const std::array<Rgb, 256>& colours);
// width x height pixels through the colours; pitches in bytes.
void ConvertPicture(const uint8_t* pixels, int32_t pitch, int32_t width, int32_t height, const ArgbColours& colours,
                    uint32_t* out, int32_t outPitch);

}  // namespace platform
