#pragma once
#include <cstdint>

// How a rasteriser puts a texel into the frame buffer: write(pixel, texel).

// Every texel is written, 0 as palette index 0.
struct OpaqueTexel {
  void operator()(uint8_t& pixel, uint8_t texel) const { pixel = texel; }
};

// Texel 0 leaves the pixel as it was.
struct KeyedTexel {
  void operator()(uint8_t& pixel, uint8_t texel) const {
    if (texel != 0) pixel = texel;
  }
};

// Texel 0 leaves the pixel; any other is written through one 256-byte shade-table row.
struct ShadedKeyedTexel {
  const uint8_t* shadeRow;
  void operator()(uint8_t& pixel, uint8_t texel) const {
    if (texel != 0) pixel = shadeRow[texel];
  }
};

// Texel 0 leaves the pixel; any other selects a translucency row by its low five bits, and
// that row recolours what lies behind.
struct TranslucentTexel {
  const uint8_t* table;  // 32 rows of 256
  void operator()(uint8_t& pixel, uint8_t texel) const {
    if (texel != 0) pixel = table[((texel & 31u) << 8) + pixel];
  }
};
