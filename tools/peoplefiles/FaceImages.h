#pragma once
#include <cstdint>
#include <vector>

// The people's 11 face images, 52 x 25 palette indices each: one full turn of the head, the
// front at column 26 and the back at both edges (columns left of 26 are the person's right
// side), row 0 the chin. Face 1 wears a police cap, 2 a fire helmet, 3 a medic's cap, 10 is in
// pain; the others differ by hair.
constexpr int32_t kFaceCount = 11;
constexpr int32_t kFaceWidth = 52;
constexpr int32_t kFaceHeight = 25;

std::vector<uint8_t> PaintFaceImage(int32_t face);
