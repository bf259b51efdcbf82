#include "X/Y/PeopleRandom.h"

#include "X/Y/XAssert.h"

namespace {

constexpr uint16_t kFeedback = 0x1BF5;
uint32_t gSeed = 0;

}  // namespace

void RandomSeed(uint32_t seed) { gSeed = seed; }

uint32_t RandomSeedValue() { return gSeed; }

uint16_t RandomDraw() {
  uint16_t x = static_cast<uint16_t>(gSeed);
  bool topBit = (x & 0x8000) != 0;
  x = static_cast<uint16_t>(x << 1);
  if (topBit) x ^= kFeedback;
  gSeed ^= x;
  if (gSeed == 0) X_ASSERT("bad seed");
  return x;
}

uint16_t Random(uint16_t range) {
  uint16_t x = RandomDraw();
  return range == 0 ? 0 : static_cast<uint16_t>(x % range);
}
