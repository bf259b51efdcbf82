#pragma once
#include <cstdint>

// How a textured fill writes a texel to its pixel.

// Every texel is written, 0 as palette index 0.
struct OpaqueTexel {
  void operator()(uint8_t& pixel, uint8_t texel) const { pixel = texel; }
};

// A texel of 0 is transparent: the pixel keeps what lies behind it.
struct KeyedTexel {
  void operator()(uint8_t& pixel, uint8_t texel) const {
    if (texel != 0) pixel = texel;
  }
};
