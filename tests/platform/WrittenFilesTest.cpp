#include <gtest/gtest.h>

#include "platform/FileHandle.h"
#include "platform/WrittenFiles.h"
#include "support/TempFolder.h"

namespace {

class WrittenFilesTest : public testing::Test {
protected:
  void TearDown() override { platform::SetWritableCheck(nullptr); }
  TempFolder folder;
  ScopedEnvironment xdg{"XDG_DATA_HOME", folder.System("xdg").c_str()};
};

TEST_F(WrittenFilesTest, WritableProgramFolderTakesTheWrittenFiles) {
  platform::SetWritableCheck([](const std::string&) { return true; });
  EXPECT_EQ(platform::WrittenFilesFolder(folder.Game("game\\")), folder.Game("game\\"));
}

TEST_F(WrittenFilesTest, ReadOnlyProgramFolderSendsThemToTheUserDataFolder) {
  std::string asked;
  platform::SetWritableCheck([&](const std::string& systemFolder) {
    asked = systemFolder;
    return false;
  });
  folder.MakeFolder("Game");
  EXPECT_EQ(platform::WrittenFilesFolder(folder.Game("GAME\\")), folder.Game("xdg\\halvorine\\"));
  EXPECT_EQ(asked, folder.System("Game/"));
}

TEST_F(WrittenFilesTest, HomeStandsInWhenXdgIsUnset) {
  ScopedEnvironment noXdg("XDG_DATA_HOME", nullptr);
  ScopedEnvironment home("HOME", "/home/pilot");
  EXPECT_EQ(platform::UserDataFolder(), "\\home\\pilot\\.local\\share\\halvorine\\");
  ScopedEnvironment relative("XDG_DATA_HOME", "relative/path");  // not absolute: ignored
  EXPECT_EQ(platform::UserDataFolder(), "\\home\\pilot\\.local\\share\\halvorine\\");
}

TEST_F(WrittenFilesTest, UserDataFolderIsCreatedOnTheFirstWrite) {
  std::string file = platform::UserDataFolder() + "tarvid.cfg";
  EXPECT_FALSE(folder.Exists("xdg/halvorine"));
  EXPECT_LT(platform::OpenFile(file, platform::kFileRead), 0);
  EXPECT_FALSE(folder.Exists("xdg/halvorine"));  // reading creates nothing
  int handle = platform::OpenFile(file, platform::kFileWrite | platform::kFileCreate);
  ASSERT_GE(handle, 0);
  platform::CloseFile(handle);
  EXPECT_TRUE(folder.Exists("xdg/halvorine/tarvid.cfg"));
  // Other missing folders are not made.
  EXPECT_LT(platform::OpenFile(folder.Game("elsewhere\\x"), platform::kFileWrite | platform::kFileCreate), 0);
}

TEST_F(WrittenFilesTest, SecondDataRootComesFromTheEnvironment) {
  ScopedEnvironment data("HALVORINE_DATA", "/srv/halvorine-data");
  EXPECT_EQ(platform::SecondDataRoot(), "\\srv\\halvorine-data\\");
  ScopedEnvironment unset("HALVORINE_DATA", nullptr);
  std::string built = platform::SecondDataRoot();
  EXPECT_FALSE(built.empty());
  EXPECT_EQ(built.back(), '\\');
}

}  // namespace
