#include <gtest/gtest.h>

#include "Drovane/PathHelpers.h"
#include "support/TempFolder.h"

namespace {

struct PartsCase {
  const char* path;
  const char* directory;
  const char* name;
  uint16_t rootLevel;
};

class PathPartsTest : public testing::TestWithParam<PartsCase> {};

TEST_P(PathPartsTest, SplitsAtTheLastSeparator) {
  const PartsCase& c = GetParam();
  std::string directory = "junk", name = "junk";
  GetDirectoryPart(c.path, directory);
  GetFileNamePart(c.path, name);
  EXPECT_EQ(directory, c.directory) << c.path;
  EXPECT_EQ(name, c.name) << c.path;
  EXPECT_EQ(IsRootLevelPath(c.path), c.rootLevel) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathPartsTest,
    testing::Values(PartsCase{"", "", "", 0xFFFF}, PartsCase{"file.txt", "", "file.txt", 1},
                    PartsCase{"\\file.txt", "\\", "file.txt", 1},
                    PartsCase{"C:\\file.txt", "C:\\", "file.txt", 1}, PartsCase{"C:", "C:", "", 1},
                    PartsCase{"C:file", "C:", "file", 1},
                    PartsCase{"C:\\games\\file", "C:\\games\\", "file", 0},
                    PartsCase{"games\\file", "games\\", "file", 0},
                    PartsCase{"games\\", "games\\", "", 0}, PartsCase{":\\file", ":\\", "file", 0}));

struct ExtensionCase {
  const char* path;
  const char* extension;
  const char* forced;
};

class ForceExtensionTest : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ForceExtensionTest, ReplacesOrAppends) {
  std::string path = GetParam().path;
  ForceExtension(path, GetParam().extension);
  EXPECT_EQ(path, GetParam().forced);
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, ForceExtensionTest,
    testing::Values(ExtensionCase{"saves\\", "hvu", "saves\\$default.hvu"},
                    ExtensionCase{"game.HVU", "hvu", "game.hvu"}, ExtensionCase{"game.hvu", "hvu", "game.hvu"},
                    ExtensionCase{"game", "hvu", "game.hvu"}, ExtensionCase{"a.b\\game", "hvu", "a.b\\game.hvu"},
                    ExtensionCase{"game.", "hvu", "game.hvu"}));

TEST(PathHelpersTest, CutExtensionKeepsALeadingDot) {
  std::string hidden = ".profile", named = "archive.tar.gz", plain = "readme";
  CutExtension(hidden);
  CutExtension(named);
  CutExtension(plain);
  EXPECT_EQ(hidden, ".profile");
  EXPECT_EQ(named, "archive.tar");
  EXPECT_EQ(plain, "readme");
}

TEST(PathHelpersTest, AppendBackslashOnce) {
  std::string path = "games", empty;
  AppendBackslash(path);
  AppendBackslash(path);
  AppendBackslash(empty);
  EXPECT_EQ(path, "games\\");
  EXPECT_EQ(empty, "");
}

TEST(PathHelpersTest, TextCleaning) {
  std::string text = "A (b) {c}. d:e;f*g?h'i\"j,k!l`m[n]o_p\\q/r 9";
  RemovePunctuation(text);
  EXPECT_EQ(text, "A b c defghijklmnopqr 9");
  RemoveSpaces(text);
  EXPECT_EQ(text, "Abcdefghijklmnopqr9");
  std::string upper;
  ToUpperCopy("mixed Case 1\xe9", upper);
  EXPECT_EQ(upper, "MIXED CASE 1\xe9");
}

TEST(PathHelpersTest, PathsThatDoNotFitAreRefused) {
  std::string longPath(250, 'a');
  ForceExtension(longPath, "extension");
  EXPECT_EQ(longPath, "");
  std::string out = "junk";
  GetDirectoryPart(std::string(300, 'b') + "\\x", out);
  EXPECT_EQ(out, "");
  // Deep inside folders, not at the top: a path too long to take apart is no answer of 1.
  std::string deep = "C:\\";
  while (deep.size() < 300) deep += "folder\\";
  EXPECT_EQ(IsRootLevelPath(deep + "file"), 0xFFFF);
}

TEST(PathHelpersTest, FileExistsOpensForReading) {
  TempFolder folder;
  folder.Write("Data.bin", "x");
  EXPECT_TRUE(FileExists(folder.Game("data.BIN")));
  EXPECT_FALSE(FileExists(folder.Game("missing.bin")));
}

}  // namespace
