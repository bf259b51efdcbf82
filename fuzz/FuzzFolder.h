#pragma once
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/FileHandle.h"
#include "platform/Process.h"

// A private folder for a fuzz target's files, made once per process and removed at its exit
// (game form, trailing backslash).
inline const std::string& FuzzFolder() {
  static char pattern[] = "/tmp/halvorine-fuzz-XXXXXX";
  static const std::string folder = [] {
    if (!mkdtemp(pattern)) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(pattern, ignored);
    });
    return platform::ToGamePath(pattern) + "\\";
  }();
  return folder;
}

// Puts the fuzzer's bytes into a file of the fuzz folder (a relative path in the game's
// form) and returns its path. A file that cannot be written stops the run: every input
// after it would test nothing.
inline std::string WriteFuzzFile(const std::string& relative, const uint8_t* data, size_t size) {
  std::string path = FuzzFolder() + relative;
  platform::MakeFolders(path.substr(0, path.rfind('\\') + 1));
  int handle = platform::OpenFile(path, platform::kFileWrite | platform::kFileCreate | platform::kFileTruncate);
  if (handle < 0) std::abort();
  bool written = platform::WriteFile(handle, data, size) == static_cast<int64_t>(size);
  if (platform::CloseFile(handle) != 0 || !written) std::abort();
  return path;
}
