#include <gtest/gtest.h>

#include "platform/DirectoryListing.h"
#include "support/TempFolder.h"

namespace {

struct WildcardCase {
  const char* pattern;
  const char* name;
  bool matches;
};

class WildcardTest : public testing::TestWithParam<WildcardCase> {};

TEST_P(WildcardTest, FollowsWindowsRules) {
  const WildcardCase& c = GetParam();
  EXPECT_EQ(platform::MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, WildcardTest,
    testing::Values(WildcardCase{"*.*", "readme", true}, WildcardCase{"*.*", "song.wav", true},
                    WildcardCase{"*.*", ".", true}, WildcardCase{"*", "a.b.c", true},
                    WildcardCase{"*.wav", "SONG.WAV", true}, WildcardCase{"*.wav", "song.wave", false},
                    WildcardCase{"*.wav", "wav", false}, WildcardCase{"song?.wav", "song1.wav", true},
                    WildcardCase{"song?.wav", "song.wav", false}, WildcardCase{"s*g*.w?v", "StrongX.WAV", true},
                    WildcardCase{"abc.*", "ABC", true}, WildcardCase{"abc.*", "abcd", false},
                    WildcardCase{"*.txt", "..", false}, WildcardCase{"", "a", false},
                    WildcardCase{"a*", "a", true}, WildcardCase{"*a", "bab", false}));

TEST(DirectoryListingTest, ListsMatchesInByteOrderWithTheirKind) {
  TempFolder folder;
  folder.Write("Radio/b.wav", "");
  folder.Write("Radio/A.WAV", "");
  folder.Write("Radio/notes.txt", "");
  folder.MakeFolder("Radio/Rock.wav");
  std::vector<platform::FoundFile> found;
  ASSERT_TRUE(platform::FindFiles(folder.Game("radio\\*.wav"), found));
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].name, "A.WAV");
  EXPECT_EQ(found[1].name, "Rock.wav");
  EXPECT_TRUE(found[1].isFolder);
  EXPECT_EQ(found[2].name, "b.wav");
  EXPECT_FALSE(found[2].isFolder);
}

TEST(DirectoryListingTest, NothingFoundInAMissingFolderOrWithoutAPattern) {
  TempFolder folder;
  std::vector<platform::FoundFile> found;
  EXPECT_FALSE(platform::FindFiles(folder.Game("missing\\*.*"), found));
  EXPECT_FALSE(platform::FindFiles(folder.Game(""), found));
  EXPECT_TRUE(found.empty());
}

}  // namespace
