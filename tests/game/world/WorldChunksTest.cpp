#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/FourCharCode.h"
#include "Drovane/RecordFile.h"
#include "game/world/WorldChunks.h"
#include "game/world/WorldLighting.h"
#include "support/TempFolder.h"

namespace {

constexpr uint32_t kCreator = FourCC("TEST");
constexpr uint32_t kType = FourCC("SAVE");

// An owner with one chunk of its own name holding one value: what it saves, what its check
// read and kept, what is in the world. Every call is written into the shared journal.
struct RecordingOwner {
  std::string tag;
  uint32_t code;
  WorldChunkOrder order;
  std::vector<std::string>* journal;
  int32_t world = 0;
  int32_t kept = -1;
  bool failWrite = false;

  WorldChunkOwner Owner() {
    return WorldChunkOwner{order, tag,
            [this](RecordFile& file) {
              journal->push_back("save " + tag);
              return !failWrite && file.WriteChunk(code, &world, sizeof world) == 1;
            },
            [this](RecordFile& file) {
              journal->push_back("check " + tag);
              int32_t value = 0;
              if (file.FindChunk(code) != 1 || file.GetChunkDataSize() != sizeof value ||
                  file.ReadChunkData(&value, sizeof value) != 1 || value < 0)
                return false;
              kept = value;
              return true;
            },
            [this] {
              journal->push_back("apply " + tag);
              world = kept;
            },
            [this] {
              journal->push_back("discard " + tag);
              kept = -1;
            }};
  }
};

// The world's relighting is seen through a hook of copied bodies.
std::vector<std::string>* gJournal = nullptr;
void RecordRelight() { gJournal->push_back("night"); }

class WorldChunksTest : public testing::Test {
protected:
  void SetUp() override {
    ClearWorldChunkOwners();
    gJournal = &journal;
    AddCopiedBodiesRelight(RecordRelight);
    // Registered out of order: the list keeps the saved game's order.
    for (RecordingOwner* owner : {&autos, &heli, &fire}) RegisterWorldChunkOwner(owner->Owner());
  }
  void TearDown() override {
    ClearWorldChunkOwners();
    RemoveCopiedBodiesRelight(RecordRelight);
    gJournal = nullptr;
  }

  void Save(int32_t expected = 1) {
    RecordFile file(folder.Game("world.sav").c_str());
    ASSERT_EQ(file.OpenForWrite(kCreator, kType, 1), 1);
    EXPECT_EQ(WorldSave(file), expected);
  }
  int32_t Load() {
    RecordFile file(folder.Game("world.sav").c_str());
    EXPECT_EQ(file.OpenForRead(), 1);
    return WorldLoad(&file);
  }

  TempFolder folder;
  std::vector<std::string> journal;
  RecordingOwner heli{"HELI", FourCC("HELI"), WorldChunkOrder::kHelicopters, &journal, 11};
  RecordingOwner fire{"FIRE", FourCC("FIRE"), WorldChunkOrder::kFire, &journal, 22};
  RecordingOwner autos{"AUTO", FourCC("AUTO"), WorldChunkOrder::kAutos, &journal, 33};
};

TEST_F(WorldChunksTest, SaveAndLoadWalkTheSameOrderAndRestoreTheWorld) {
  Save();
  heli.world = fire.world = autos.world = 0;
  journal.clear();
  EXPECT_EQ(Load(), 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"check HELI", "check FIRE", "check AUTO", "apply HELI",
                                               "apply FIRE", "apply AUTO", "night"}));
  EXPECT_EQ(heli.world, 11);
  EXPECT_EQ(fire.world, 22);
  EXPECT_EQ(autos.world, 33);
}

TEST_F(WorldChunksTest, OneDamagedChunkLoadsNothingAndStillReappliesTheNight) {
  fire.world = -5;  // the check refuses a negative value
  Save();
  heli.world = fire.world = autos.world = 7;
  journal.clear();
  EXPECT_EQ(Load(), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"check HELI", "check FIRE", "discard HELI", "night"}));
  EXPECT_EQ(heli.world, 7);
  EXPECT_EQ(fire.world, 7);
  EXPECT_EQ(autos.world, 7);
}

TEST_F(WorldChunksTest, WithoutAFileNothingIsReadButTheNightIsReapplied) {
  EXPECT_EQ(WorldLoad(nullptr), 1);
  EXPECT_EQ(journal, std::vector<std::string>{"night"});
}

TEST_F(WorldChunksTest, AFailedWriteFailsTheSave) {
  fire.failWrite = true;
  Save(0);
  EXPECT_EQ(journal, (std::vector<std::string>{"save HELI", "save FIRE"}));
}

TEST_F(WorldChunksTest, AnOwnerRegisteredAgainReplacesItself) {
  RegisterWorldChunkOwner(heli.Owner());
  EXPECT_EQ(WorldChunkOwnerCount(), 3u);
}

}  // namespace
