#pragma once
#include <cstdint>

// Where the simulation reads the held state of game commands: the application's main
// command map. The game's application object provides it.
class CommandStateSource {
public:
  virtual ~CommandStateSource() = default;
  // The command's state bits; non-zero while the command is on.
  virtual uint8_t GetCommandState(int32_t commandId) const = 0;
  // The command's analogue strength.
  virtual int32_t GetCommandAmount(int32_t commandId) const = 0;
};

// The source the queries read; null (every command off, every amount 0) until one is set.
void SetCommandStateSource(const CommandStateSource* source);

uint8_t IsCommandActive(int32_t commandId);
// The lowest id from first to last whose command is on; 0 when none is (or first > last).
int32_t FindFirstActiveCommand(int32_t firstId, int32_t lastId);
int32_t GetCommandValue(int32_t commandId);
// A's amount when it is not 0, else B's: either of two bound controls drives one axis.
int32_t GetCommandPairValue(int32_t commandA, int32_t commandB);
