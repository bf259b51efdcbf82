#pragma once
#include <array>
#include <cstdint>

// Scratch space of every body draw: the projected points of the parts, by frame-part index.
struct FramePart {
  int16_t startY = 0;
  int16_t startX = 0;
  int16_t endY = 0;
  int16_t endX = 0;
  int16_t startDepth = 0;
  int16_t endDepth = 0;
  uint8_t startSet = 0;
  uint8_t endSet = 0;
  float faceTurn = 0.0f;
};

constexpr int32_t kFrameParts = 128;

extern std::array<FramePart, kFrameParts> gFramePartTable;
