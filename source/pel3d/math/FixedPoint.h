#pragma once
#include <cstdint>

#include "pel3d/math/Wrap32.h"

// A signed 16.16 fixed-point number: 1.0 is 65536.
using Fixedpoint = int32_t;

constexpr Fixedpoint kFixedOne = 0x10000;

// a x b in 16.16: the exact 64-bit product shifted right arithmetically by 16 (rounding
// toward minus infinity), low 32 bits kept; no saturation.
constexpr Fixedpoint FixMul(Fixedpoint a, Fixedpoint b) {
  return wrap32::Low((int64_t{a} * b) >> 16);
}

// a / b in 16.16, truncated toward zero; a itself when b is 0. A quotient outside the
// 32-bit range keeps its low 32 bits.
constexpr Fixedpoint FixDiv(Fixedpoint a, Fixedpoint b) {
  if (b == 0) return a;
  return wrap32::Low(int64_t{a} * 65536 / b);
}

// The 16.16 square root of |a|, by Newton's iteration; within one unit of the exact root.
Fixedpoint FixSqrt(Fixedpoint a);
