#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/LoadedGroups.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/ResourceReader.h"
#include "platform/ByteOrder.h"
#include "support/TempFolder.h"

// A clean engine for each test: no group loaded, no resource file open, no error code; and
// at the end no arena left behind.
class EngineFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    CleanEngine();
    mArenasBefore = ArenaCount();
    SetLastResourceError(kErrorNone);
  }
  void TearDown() override {
    CleanEngine();
    EXPECT_EQ(ArenaCount(), mArenasBefore);
  }

  static void CleanEngine() {
    FreeAllResourceGroups();
    CloseResourceFile();
  }

  // Writes bytes as a file of the folder and returns its game path.
  std::string WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const {
    mFolder.Write(relative, std::string(bytes.begin(), bytes.end()));
    return mFolder.Game(relative);
  }

  static uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t at) { return platform::ReadLE32(&bytes[at]); }
  static void PatchU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    platform::WriteLE32(&bytes[at], value);
  }

  TempFolder mFolder;
  int mArenasBefore = 0;
};

// Takes every free arena for the life of the object.
class AllArenasTaken {
public:
  AllArenasTaken() {
    for (int arena = ArenaCreate(16); arena >= 0; arena = ArenaCreate(16)) mArenas.push_back(arena);
  }
  ~AllArenasTaken() {
    for (int arena : mArenas) ArenaDestroy(arena);
  }
  AllArenasTaken(const AllArenasTaken&) = delete;
  AllArenasTaken& operator=(const AllArenasTaken&) = delete;

private:
  std::vector<int> mArenas;
};
