#include <gtest/gtest.h>

#include "platform/FileHandle.h"
#include "platform/WrittenFiles.h"
#include "support/TempFolder.h"

namespace {

class WrittenFilesTest : public testing::Test {
protected:
  TempFolder folder;
  ScopedEnvironment noChoice{"HALVORINE_WRITE", nullptr};
  ScopedEnvironment xdg{"XDG_DATA_HOME", folder.System("xdg").c_str()};
};

TEST_F(WrittenFilesTest, ChosenFolderComesFirstThenXdgThenHome) {
  ScopedEnvironment home("HOME", "/home/pilot");
  EXPECT_EQ(platform::WrittenFilesFolder(), folder.Game("xdg\\halvorine\\"));
  {
    ScopedEnvironment chosen("HALVORINE_WRITE", folder.System("saves/").c_str());
    EXPECT_EQ(platform::WrittenFilesFolder(), folder.Game("saves\\"));
  }
  ScopedEnvironment noXdg("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(platform::WrittenFilesFolder(), "\\home\\pilot\\.local\\share\\halvorine\\");
  ScopedEnvironment relative("XDG_DATA_HOME", "relative/path");  // not absolute: ignored
  EXPECT_EQ(platform::WrittenFilesFolder(), "\\home\\pilot\\.local\\share\\halvorine\\");
  ScopedEnvironment noHome("HOME", nullptr);
  EXPECT_EQ(platform::WrittenFilesFolder(), "");
}

TEST_F(WrittenFilesTest, FolderIsCreatedOnTheFirstWrite) {
  for (const char* chosen : {static_cast<const char*>(nullptr), "write/here"}) {
    ScopedEnvironment write("HALVORINE_WRITE", chosen ? folder.System(chosen).c_str() : nullptr);
    std::string created = chosen ? chosen : "xdg/halvorine";
    std::string file = platform::WrittenFilesFolder() + "tarvid.cfg";
    EXPECT_FALSE(folder.Exists(created));
    EXPECT_LT(platform::OpenFile(file, platform::kFileRead), 0);
    EXPECT_FALSE(folder.Exists(created));  // reading creates nothing
    int handle = platform::OpenFile(file, platform::kFileWrite | platform::kFileCreate);
    ASSERT_GE(handle, 0);
    platform::CloseFile(handle);
    EXPECT_TRUE(folder.Exists(created + "/tarvid.cfg"));
  }
  // Other missing folders are not made.
  EXPECT_LT(platform::OpenFile(folder.Game("elsewhere\\x"), platform::kFileWrite | platform::kFileCreate), 0);
}

}  // namespace
