#pragma once
#include <cstdint>

// Writes a number in a small built-in digit font (5 x 7 pixels a digit) into 8-bit pixels.
void DrawNumber(uint8_t* pixels, int32_t pitch, int32_t left, int32_t top, uint32_t number, uint8_t colour);
