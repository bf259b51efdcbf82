#pragma once
#include <array>
#include <cstdint>

// A lagged subtractive generator over 55 words; all arithmetic wraps modulo 2^32.
class SubtractiveRandom {
public:
  SubtractiveRandom() = default;
  explicit SubtractiveRandom(uint32_t seed) { Seed(seed); }

  // Fills the table from the seed. One word (index 34) keeps what it held before, so a
  // generator seeded again does not in general repeat its first sequence.
  void Seed(uint32_t seed);
  // A value in 0 .. n-1; n = 0 gives 0 (the state still advances).
  uint32_t Next(uint32_t n);

private:
  std::array<uint32_t, 55> mTable{};
  uint32_t mFirst = 0;
  uint32_t mSecond = 0;
};

// The framework's generator, seeded when the program starts with the process clock.
extern SubtractiveRandom gSubtractiveRandom;

// Next (n) of the framework's generator.
uint32_t RandomNumber(uint32_t n);
