#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/Process.h"

// The file a fuzz input is written to before the engine reads it, in a folder of its own.
inline std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvorine-fuzz-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) std::abort();
    return std::string(buffer.data());
  }();
  std::string path = folder + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
  return platform::ToGamePath(path);
}

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
