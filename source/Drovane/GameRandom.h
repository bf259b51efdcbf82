#pragma once
#include <cstdint>

// The game's one random source: the world, fire, traffic, people and the radio draw from it
// wherever the design says `rand`, and "rand mod n" is the remainder of its value. Values
// run 0..32767; a seed gives the same sequence on every machine, as the generator is a
// 32-bit linear congruential one in unsigned arithmetic. Draws belong to the main thread,
// or to the world-loading thread while it holds the world-loading lock.
constexpr int32_t kGameRandMax = 32767;

class GameRandomSource {
public:
  virtual ~GameRandomSource() = default;
  // The next value, 0..32767.
  virtual int32_t Next();
  // Starts the sequence again from the seed; a new source starts as if seeded with 1.
  virtual void Seed(uint32_t seed);

private:
  uint32_t mState = 1;
};

// Tests install a source of their own (a scripted one); null brings the game's back.
void SetGameRandomSource(GameRandomSource* source);
GameRandomSource& GetGameRandomSource();

// The game's `rand` and `srand`: the installed source's Next and Seed.
int32_t GameRand();
void GameSeedRand(uint32_t seed);
