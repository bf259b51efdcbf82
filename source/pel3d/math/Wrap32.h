#pragma once
#include <cstdint>

// 32-bit arithmetic that wraps around like the machine's registers. Signed overflow is
// undefined in C++, so every sum, difference and product whose result may leave the
// 32-bit range goes through these, on uint32_t.
namespace wrap32 {

constexpr int32_t Add(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

constexpr int32_t Sub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

constexpr int32_t Neg(int32_t a) { return static_cast<int32_t>(0u - static_cast<uint32_t>(a)); }

constexpr int32_t Mul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

constexpr int32_t ShiftLeft(int32_t a, int bits) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) << bits);
}

// The low 32 bits of a 64-bit value.
constexpr int32_t Low(int64_t a) { return static_cast<int32_t>(static_cast<uint64_t>(a)); }

}  // namespace wrap32
