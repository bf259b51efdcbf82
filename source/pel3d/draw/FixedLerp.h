#pragma once
#include <cstdint>

#include "pel3d/math/FixedPoint.h"

// from + (to - from) x t, with t a 16.16 fraction from from toward to; the difference is
// taken in 64 bits so that far-apart values do not wrap.
inline Fixedpoint FixLerp(Fixedpoint from, Fixedpoint to, Fixedpoint t) {
  return wrap32::Add(from, wrap32::Low((int64_t{to} - from) * t >> 16));
}
