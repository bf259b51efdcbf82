#pragma once
#include "Drovane/Application.h"

// An application whose operations do nothing, for tests of the windows it owns.
class IdleApplication : public CApplication {
public:
  uint32_t Startup() override { return 0; }
  uint32_t PrepareGame() override { return 0; }
  uint32_t RunFrame() override { return 0; }
  uint32_t FinishGame() override { return 0; }
};
