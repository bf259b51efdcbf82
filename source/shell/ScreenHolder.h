#pragma once
#include "shell/CommandMap.h"

// What builds one full-screen play mode. Each holder keeps the command map its mode reads
// keys through.
class ScreenHolder {
public:
  ScreenHolder() = default;
  virtual ~ScreenHolder() = default;
  ScreenHolder(const ScreenHolder&) = delete;
  ScreenHolder& operator=(const ScreenHolder&) = delete;

  CommandMap mCommandMap;
};
