#pragma once
#include <cstdint>

// How a disc is coloured: shading from light at the top to dark at the bottom, dithered bands,
// or one colour.
enum class DiscStyle : uint8_t { kShaded, kStriped, kPlain };

// The largest diameter a disc may have.
constexpr int32_t kLargestDiscDiameter = 51;

// A disc of diameter d around (x, y): d of 0 or above 51 draws nothing; below 3 it is plain
// whatever the style. The depths are not used: parts are drawn in the order given.
void DrawBall(int32_t x, int32_t y, int32_t depth1, int32_t depth2, int32_t diameter, uint8_t colour,
              DiscStyle style);
