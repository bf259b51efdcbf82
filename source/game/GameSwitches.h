#pragma once
#include <cstdint>
#include <string>

// What the command line asks of the world: the shell fills it at start-up, the world reads it.
struct GameSwitches {
  static constexpr int32_t kDefaultDifficulty = 2;

  int32_t difficulty = kDefaultDifficulty;  // 1 to 4
  int32_t tourStart = 0;
  int32_t fogOff = 0;
  int32_t radar3D = 0;
  int32_t autopilot = 0;
  std::string cheatPhrase;
};

extern GameSwitches gGameSwitches;
