#include "Drovane/GameRandom.h"

namespace {

GameRandomSource gDefaultSource;
GameRandomSource* gpSource = &gDefaultSource;

}  // namespace

int32_t GameRandomSource::Next() {
  mState = mState * 214013u + 2531011u;
  return static_cast<int32_t>((mState >> 16) & kGameRandMax);
}

void GameRandomSource::Seed(uint32_t seed) {
  mState = seed;
}

void SetGameRandomSource(GameRandomSource* source) {
  gpSource = source ? source : &gDefaultSource;
}

GameRandomSource& GetGameRandomSource() {
  return *gpSource;
}

int32_t GameRand() {
  return gpSource->Next();
}

void GameSeedRand(uint32_t seed) {
  gpSource->Seed(seed);
}
