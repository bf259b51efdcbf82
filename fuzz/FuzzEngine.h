#pragma once
// Helpers of the engine fuzz targets: each input starts from a clean engine and gives back what it took.
#include <cstdio>
#include <cstdlib>

#include "Drovane/Arena.h"
#include "FuzzFolder.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/ResourceReader.h"

// Every input starts from a clean engine: no group loaded and no resource file open (the
// reader keeps a file open by its name, and every input has the same name).
inline void CleanEngine() {
  FreeAllResourceGroups();
  CloseResourceFile();
}

// After the input the engine gives back every arena it took for it.
inline void CleanEngineAndCheckArenas(int arenasBefore) {
  CleanEngine();
  if (ArenaCount() != arenasBefore) {
    std::fprintf(stderr, "arenas leaked: %d before, %d after\n", arenasBefore, ArenaCount());
    std::abort();
  }
}
