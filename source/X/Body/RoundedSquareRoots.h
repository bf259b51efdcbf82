#pragma once
#include <array>
#include <cstdint>

// The rounded square root of every i below 625 (entry i = floor(sqrt(i) + 0.5)): the disc and
// face rows take their half-widths from it instead of a square root per row.
constexpr int32_t kRoundedSquareRoots = 625;

// Filled once when the people start; the drawing reads it afterwards.
void FillRoundedSquareRoots();
// The entry for i; i must lie in 0..624.
int32_t RoundedSquareRoot(int32_t i);
