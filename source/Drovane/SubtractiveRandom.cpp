#include "Drovane/SubtractiveRandom.h"

#include <ctime>

namespace {

uint32_t ProcessClockMs() {
  return static_cast<uint32_t>(static_cast<uint64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC);
}

}  // namespace

SubtractiveRandom gSubtractiveRandom(ProcessClockMs());

void SubtractiveRandom::Seed(uint32_t seed) {
  mTable[54] = seed;
  uint32_t k = 1;
  uint32_t j = seed;
  for (uint32_t i = 0; i < 54; ++i) {
    uint32_t p = (21 * i) % 55;
    mTable[p] = k;
    k = j - k;
    j = mTable[p];
  }
  for (int round = 0; round < 4; ++round)
    for (uint32_t i = 0; i < 55; ++i) mTable[i] -= mTable[(i + 31) % 55];
  mFirst = 0;
  mSecond = 31;
}

uint32_t SubtractiveRandom::Next(uint32_t n) {
  mFirst = (mFirst + 1) % 55;
  mSecond = (mSecond + 1) % 55;
  mTable[mFirst] -= mTable[mSecond];
  return n ? mTable[mFirst] % n : 0;
}

uint32_t RandomNumber(uint32_t n) {
  return gSubtractiveRandom.Next(n);
}
