#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/FilePath.h"
#include "support/TempFolder.h"

namespace {

class FilePathTest : public testing::Test {
protected:
  TempFolder folder;
};

TEST_F(FilePathTest, ExactNameIsTakenAsItStands) {
  folder.Write("Data/Bmp/Sky.bmp", "x");
  EXPECT_EQ(platform::ResolvePath(folder.Game("Data\\Bmp\\Sky.bmp")), folder.System("Data/Bmp/Sky.bmp"));
}

TEST_F(FilePathTest, EachComponentIsMatchedIgnoringCase) {
  folder.Write("Data/Bmp/Sky.bmp", "x");
  EXPECT_EQ(platform::ResolvePath(folder.Game("DATA\\bmp\\SKY.BMP")), folder.System("Data/Bmp/Sky.bmp"));
}

TEST_F(FilePathTest, FirstNameInByteOrderWinsAmongCaseVariants) {
  folder.Write("data.txt", "lower");
  folder.Write("Data.TXT", "mixed");
  folder.Write("DATA.txt", "upper");
  EXPECT_EQ(platform::ResolvePath(folder.Game("dAtA.TxT")), folder.System("DATA.txt"));
  // The exact name still comes first.
  EXPECT_EQ(platform::ResolvePath(folder.Game("data.txt")), folder.System("data.txt"));
}

TEST_F(FilePathTest, MissingComponentsKeepTheNameAsGiven) {
  folder.MakeFolder("Saves");
  EXPECT_EQ(platform::ResolvePath(folder.Game("SAVES\\New Game.hvu")), folder.System("Saves/New Game.hvu"));
  EXPECT_EQ(platform::ResolvePath(folder.Game("nowhere\\SAVES\\x")), folder.System("nowhere/SAVES/x"));
}

TEST_F(FilePathTest, RelativePathsResolveFromTheCurrentFolder) {
  folder.Write("Tweak/PEL3D.twk", "x");
  std::string previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.System());
  EXPECT_EQ(platform::ResolvePath("tweak\\pel3d.twk"), "Tweak/PEL3D.twk");
  std::filesystem::current_path(previous);
}

TEST_F(FilePathTest, OpeningAndTestingFollowTheResolution) {
  folder.Write("Sound/Boom.WAV", "abc");
  EXPECT_TRUE(platform::RegularFileExists(folder.Game("sound\\boom.wav")));
  EXPECT_FALSE(platform::RegularFileExists(folder.Game("sound")));
  EXPECT_TRUE(platform::FolderExists(folder.Game("SOUND")));
  int handle = platform::OpenFile(folder.Game("SOUND\\BOOM.wav"), platform::kFileRead);
  ASSERT_GE(handle, 0);
  EXPECT_EQ(platform::FileLength(handle), 3);
  EXPECT_EQ(platform::CloseFile(handle), 0);
}

TEST_F(FilePathTest, WritingKeepsTheExistingName) {
  folder.Write("Input.CFG", "old");
  int handle = platform::OpenFile(folder.Game("input.cfg"),
                                  platform::kFileWrite | platform::kFileCreate | platform::kFileTruncate);
  ASSERT_GE(handle, 0);
  platform::WriteFile(handle, "new", 3);
  platform::CloseFile(handle);
  EXPECT_EQ(folder.Read("Input.CFG"), "new");
  EXPECT_FALSE(folder.Exists("input.cfg"));
}

TEST_F(FilePathTest, SavingReplacesTheFileUnderItsExistingName) {
  folder.Write("Tarvid.CFG", "old");
  ASSERT_TRUE(platform::SaveWholeFile(folder.Game("tarvid.cfg"), "new", 3));
  EXPECT_EQ(folder.Read("Tarvid.CFG"), "new");
  EXPECT_FALSE(folder.Exists("tarvid.cfg"));
  EXPECT_FALSE(folder.Exists("tarvid.cfg.tmp"));
}

TEST_F(FilePathTest, FailedSaveLeavesTheOldFile) {
  folder.Write("game.hvu", "old");
  folder.MakeFolder("game.hvu.tmp/blocked");  // the temporary sibling cannot be created
  EXPECT_FALSE(platform::SaveWholeFile(folder.Game("game.hvu"), "new", 3));
  EXPECT_EQ(folder.Read("game.hvu"), "old");
}

TEST_F(FilePathTest, OnlyRegularFilesOpenAndOthersSayWhy) {
  folder.MakeFolder("Saves");
  ASSERT_EQ(mkfifo(folder.System("pipe").c_str(), 0600), 0);
  const std::pair<const char*, const char*> refused[] = {
      {"saves", "is a folder"}, {"PIPE", "is not a regular file"}, {"missing", "No such file or directory"}};
  for (const auto& [name, reason] : refused) {
    // A FIFO without a writer would hold up a blocking open for reading for ever.
    EXPECT_LT(platform::OpenFile(folder.Game(name), platform::kFileRead), 0) << name;
    EXPECT_EQ(platform::LastFileFailure(), reason);
    EXPECT_LT(platform::OpenFile(folder.Game(name), platform::kFileReadWrite), 0) << name;
    EXPECT_FALSE(platform::RegularFileExists(folder.Game(name)));
  }
  EXPECT_TRUE(platform::NameExists(folder.Game("pipe")));
  EXPECT_TRUE(platform::NameExists(folder.Game("saves")));
  EXPECT_FALSE(platform::NameExists(folder.Game("missing")));
  std::string contents;
  EXPECT_FALSE(platform::ReadWholeFile(folder.Game("pipe"), contents));
}

TEST_F(FilePathTest, SavedFilesGetTheirPermissionWhenNew) {
  umask(022);
  ASSERT_TRUE(platform::SaveWholeFile(folder.Game("private"), "p", 1));
  ASSERT_TRUE(platform::SaveWholeFile(folder.Game("shared"), "s", 1, platform::kPermissionReadableByAll));
  EXPECT_EQ(std::filesystem::status(folder.System("private")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(std::filesystem::status(folder.System("shared")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read | std::filesystem::perms::others_read);
  // A file replaced keeps its own bits.
  ASSERT_TRUE(platform::SaveWholeFile(folder.Game("private"), "q", 1, platform::kPermissionReadableByAll));
  EXPECT_EQ(std::filesystem::status(folder.System("private")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(FilePathTest, RenameReplacingMovesFilesAndFoldersOverAnOlderFile) {
  folder.Write("a.cfg", "new");
  folder.Write("a.cfg.damaged", "older");
  ASSERT_TRUE(platform::RenameReplacing(folder.Game("A.CFG"), folder.Game("a.cfg.damaged")));
  EXPECT_EQ(folder.Read("a.cfg.damaged"), "new");
  EXPECT_FALSE(folder.Exists("a.cfg"));
  folder.MakeFolder("a.cfg");
  ASSERT_TRUE(platform::RenameReplacing(folder.Game("a.cfg"), folder.Game("a.cfg.damaged")));
  EXPECT_TRUE(platform::FolderExists(folder.Game("a.cfg.damaged")));
}

TEST_F(FilePathTest, MakeFoldersCreatesEveryMissingFolder) {
  EXPECT_TRUE(platform::MakeFolders(folder.Game("My Saved Cities\\Old\\")));
  EXPECT_TRUE(folder.Exists("My Saved Cities/Old"));
  EXPECT_TRUE(platform::MakeFolders(folder.Game("my saved cities")));
}

}  // namespace
