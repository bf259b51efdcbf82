#include <gtest/gtest.h>

#include <array>

#include "EngineFileFixture.h"
#include "enginefiles/ResourceFileWriter.h"
#include "pel3d/files/ResourceGroup.h"

namespace {

// Groups that own no arena, to fill the loaded-group list.
class LoadedGroupList : public EngineFileTest {
protected:
  void ListFakeGroups(int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      mFakes[static_cast<size_t>(i)].kind = kGroupBitmaps;
      ASSERT_EQ(AddLoadedGroup(&mFakes[static_cast<size_t>(i)]), 1);
    }
  }
  void TearDown() override {
    for (ResourceGroup& fake : mFakes) RemoveLoadedGroup(&fake);
    EngineFileTest::TearDown();
  }

  std::array<ResourceGroup, kMaxLoadedGroups> mFakes{};
};

TEST_F(LoadedGroupList, HoldsAHundredGroupsEachKnowingItsSlot) {
  ListFakeGroups(kMaxLoadedGroups);
  for (ResourceGroup& fake : mFakes) EXPECT_EQ(GetLoadedGroup(fake.slot), &fake);
  ResourceGroup extra;
  EXPECT_EQ(AddLoadedGroup(&extra), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorGroupListFull);
  EXPECT_EQ(GetLoadedGroupCount(), kMaxLoadedGroups);
}

TEST_F(LoadedGroupList, RemovingMovesTheLastGroupIntoTheSlot) {
  ListFakeGroups(4);
  RemoveLoadedGroup(&mFakes[1]);
  EXPECT_EQ(GetLoadedGroupCount(), 3);
  EXPECT_EQ(GetLoadedGroup(1), &mFakes[3]);
  EXPECT_EQ(mFakes[3].slot, 1);
  EXPECT_EQ(GetLoadedGroup(3), nullptr);
  // A group whose slot holds another group is not listed: nothing happens.
  RemoveLoadedGroup(&mFakes[1]);
  EXPECT_EQ(GetLoadedGroupCount(), 3);
  EXPECT_EQ(GetLoadedGroup(1), &mFakes[3]);
}

TEST_F(LoadedGroupList, AGroupThatFindsTheListFullIsFreedAgain) {
  ResourceFileWriter writer;
  writer.AddColourMap("CMAP", {});
  std::string path = WriteFile("geo/PEL3D1.ZEF", writer.Build());
  ListFakeGroups(kMaxLoadedGroups);
  EXPECT_EQ(LoadResourceGroup(path, kGroupColourMap, "CMAP"), nullptr);
  EXPECT_EQ(GetLastResourceError(), kErrorGroupListFull);
  EXPECT_EQ(ArenaCount(), mArenasBefore + 1);  // the new group's arena is gone

  RemoveLoadedGroup(&mFakes[0]);
  ResourceGroup* group = LoadResourceGroup(path, kGroupColourMap, "CMAP");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->slot, kMaxLoadedGroups - 1);
  EXPECT_EQ(FreeResourceGroup(group), 1);
}

TEST_F(LoadedGroupList, FreeingRefusesWhatIsNotAGroup) {
  ResourceGroup notAGroup;
  for (int32_t kind : {0, int32_t{kGroupBodyById}, 5}) {
    notAGroup.kind = kind;
    SetLastResourceError(kErrorNone);
    EXPECT_EQ(FreeResourceGroup(&notAGroup), 0);
    EXPECT_EQ(GetLastResourceError(), kErrorNotAGroup);
  }
  SetLastResourceError(kErrorNone);
  EXPECT_EQ(FreeResourceGroup(nullptr), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorNotAGroup);
}

TEST_F(LoadedGroupList, FreeingAllStopsAtAGroupThatCannotBeFreed) {
  EXPECT_EQ(FreeAllResourceGroups(), 1);  // an empty list
  ListFakeGroups(3);
  mFakes[1].kind = 9;
  EXPECT_EQ(FreeAllResourceGroups(), 0);
  EXPECT_EQ(GetLastResourceError(), kErrorNotAGroup);
  EXPECT_EQ(GetLoadedGroupCount(), 1);
  EXPECT_EQ(GetLoadedGroup(0), &mFakes[1]);
}

}  // namespace
