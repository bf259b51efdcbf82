#include "Drovane/CommandQueries.h"

namespace {
const CommandStateSource* gSource = nullptr;
}

void SetCommandStateSource(const CommandStateSource* source) { gSource = source; }

uint8_t IsCommandActive(int32_t commandId) { return gSource ? gSource->GetCommandState(commandId) : 0; }

int32_t FindFirstActiveCommand(int32_t firstId, int32_t lastId) {
  for (int64_t id = firstId; id <= lastId; ++id) {
    if (IsCommandActive(static_cast<int32_t>(id))) return static_cast<int32_t>(id);
  }
  return 0;
}

int32_t GetCommandValue(int32_t commandId) { return gSource ? gSource->GetCommandAmount(commandId) : 0; }

int32_t GetCommandPairValue(int32_t commandA, int32_t commandB) {
  int32_t amount = GetCommandValue(commandA);
  return amount != 0 ? amount : GetCommandValue(commandB);
}
