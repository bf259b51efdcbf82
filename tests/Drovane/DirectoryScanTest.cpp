#include <gtest/gtest.h>

#include "Drovane/DirectoryScan.h"
#include "support/TempFolder.h"

namespace {

class DirectoryScanTest : public testing::Test {
protected:
  void SetUp() override {
    folder.Write("Radio/b.wav", "");
    folder.Write("Radio/a.wav", "");
    folder.MakeFolder("Radio/Rock");
  }
  TempFolder folder;
};

TEST_F(DirectoryScanTest, ListsFilesAndFoldersWithoutDotsByDefault) {
  DirectoryScan scan(folder.Game("radio"), true);
  EXPECT_EQ(scan.GetPath(), folder.Game("radio\\"));
  ASSERT_EQ(scan.GetCount(), 3u);
  EXPECT_EQ(scan.GetFile(0)->GetName(), "Rock");
  EXPECT_EQ(scan.GetFile(0)->GetKind(), DirectoryEntry::kFolder);
  EXPECT_EQ(scan.GetFile(1)->GetKind(), DirectoryEntry::kFile);
  EXPECT_EQ(scan.GetFile(3), nullptr);
  EXPECT_TRUE(scan.Contains("a.wav"));
  EXPECT_FALSE(scan.Contains("A.WAV"));
  std::string full;
  scan.GetFile(1)->GetFullPath(full);
  EXPECT_EQ(full, folder.Game("radio\\a.wav"));
}

TEST_F(DirectoryScanTest, DotsOnlyWhenAsked) {
  DirectoryScan scan(folder.Game("Radio\\"), true, true, true);
  EXPECT_EQ(scan.GetCount(), 5u);
  EXPECT_TRUE(scan.Contains("."));
  EXPECT_TRUE(scan.Contains(".."));
  std::vector<std::string> names;
  scan.FindFilesByKind(names, DirectoryScan::kFiles);
  EXPECT_EQ(names, (std::vector<std::string>{"a.wav", "b.wav"}));
  names.clear();
  scan.FindFilesByKind(names, DirectoryScan::kFolders | DirectoryScan::kWithParent);
  EXPECT_EQ(names, (std::vector<std::string>{"..", "Rock"}));
}

TEST_F(DirectoryScanTest, MissingFolderScansEmpty) {
  DirectoryScan scan(folder.Game("nothing"));
  EXPECT_EQ(scan.Scan(), 0);
  EXPECT_EQ(scan.GetCount(), 0u);
  scan.SetPath(folder.Game("Radio"), false);
  scan.SetPattern("*.wav", true);
  EXPECT_EQ(scan.GetCount(), 2u);
}

TEST_F(DirectoryScanTest, MakesEntries) {
  DirectoryScan scan(folder.Game("Radio"));
  EXPECT_TRUE(scan.MakeEntryInDirectory("Jazz", DirectoryEntry::kFolder));
  EXPECT_TRUE(scan.MakeEntryInDirectory("empty.txt", DirectoryEntry::kFile));
  EXPECT_FALSE(scan.MakeEntryInDirectory("A.WAV", DirectoryEntry::kFile));  // exists already
  EXPECT_FALSE(scan.MakeEntryInDirectory("odd", 5));
  EXPECT_TRUE(folder.Exists("Radio/Jazz"));
  EXPECT_TRUE(folder.Exists("Radio/empty.txt"));
  EXPECT_TRUE(PathExists(folder.Game("radio\\jazz")));
  EXPECT_TRUE(PathExists(folder.Game("radio\\*.txt")));
  EXPECT_FALSE(PathExists(folder.Game("radio\\*.mid")));
}

struct NameCase {
  const char* name;
  const char* extension;
  const char* base;
};

class EntryNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(EntryNameTest, SplitsAtTheLastDot) {
  DirectoryEntry entry(nullptr, GetParam().name, DirectoryEntry::kFile);
  std::string extension, base;
  entry.GetExtension(extension);
  entry.StripExtension(base);
  EXPECT_EQ(extension, GetParam().extension);
  EXPECT_EQ(base, GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Names, EntryNameTest,
                         testing::Values(NameCase{"song.wav", "wav", "song"}, NameCase{"a.b.c", "c", "a.b"},
                                         NameCase{".hidden", "hidden", ""}, NameCase{"plain", "", "plain"}));

struct SplitCase {
  const char* path;
  const char* folder;
  const char* name;
};

class SplitPathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, SplitsBeforeTheLastCharacter) {
  std::string folder = "unchanged", name = "unchanged";
  SplitPath(GetParam().path, folder, name);
  EXPECT_EQ(folder, GetParam().folder);
  EXPECT_EQ(name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPathTest,
    testing::Values(SplitCase{"", "unchanged", "unchanged"}, SplitCase{"C:\\games\\radio\\", "C:\\games\\", "radio\\"},
                    SplitCase{"C:\\games\\x.wav", "C:\\games\\", "x.wav"}, SplitCase{"x.wav", "\\", "x.wav"},
                    SplitCase{"a/b/c", "a/b/", "c"}, SplitCase{"\\", "\\", "\\"}));

}  // namespace
