#include <gtest/gtest.h>

#include "platform/FileHandle.h"
#include "platform/ProfileFile.h"
#include "support/TempFolder.h"

namespace {

constexpr const char* kProfile =
    "; a comment line\r\n"
    "[Fire Parms]\r\n"
    "  NumCtrl = 3  \r\n"
    "Ctrl0_Value=\"quoted value\"\r\n"
    "ctrl1_value=second\n"
    "CTRL1_VALUE=duplicate\n"
    "no equals sign here\n"
    "Empty=\n"
    "Spaces=  a b  \n"
    "[fire parms]\n"
    "Late=from the second section\n"
    "[Other]\n"
    "  ;NumCtrl=9\n"
    "Number=-42xyz\n"
    "Big=99999999999\n"
    "Small=-99999999999\n"
    "Word=abc\n"
    "Half=\"\n";

struct LookupCase {
  const char* section;
  const char* key;
  const char* expected;  // null: missing
};

class ProfileLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookupTest, FindsValuesWithWindowsRules) {
  platform::ProfileFile file;
  file.Parse(kProfile);
  const LookupCase& c = GetParam();
  const std::string* value = file.Find(c.section, c.key);
  if (!c.expected) {
    EXPECT_EQ(value, nullptr) << c.section << "/" << c.key;
  } else {
    ASSERT_NE(value, nullptr) << c.section << "/" << c.key;
    EXPECT_EQ(*value, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, ProfileLookupTest,
    testing::Values(LookupCase{"Fire Parms", "NumCtrl", "3"}, LookupCase{"FIRE PARMS", "numctrl", "3"},
                    LookupCase{"Fire Parms", "Ctrl0_Value", "quoted value"},
                    LookupCase{"Fire Parms", "Ctrl1_Value", "second"},
                    LookupCase{"Fire Parms", "Empty", ""}, LookupCase{"Fire Parms", "Spaces", "a b"},
                    LookupCase{"Fire Parms", "no equals sign here", nullptr},
                    LookupCase{"Fire Parms", "Late", nullptr}, LookupCase{"Other", "NumCtrl", nullptr},
                    LookupCase{"Other", "Half", "\""}, LookupCase{"Missing", "NumCtrl", nullptr}));

TEST(ProfileFileTest, IntegersReadInTheCLocaleAndClamp) {
  platform::ProfileFile file;
  file.Parse(kProfile);
  EXPECT_EQ(file.GetInt("Fire Parms", "NumCtrl", -102), 3);
  EXPECT_EQ(file.GetInt("Other", "Number", 7), -42);
  EXPECT_EQ(file.GetInt("Other", "Big", 7), 2147483647);
  EXPECT_EQ(file.GetInt("Other", "Small", 7), -2147483647 - 1);
  EXPECT_EQ(file.GetInt("Other", "Word", 7), 0);
  EXPECT_EQ(file.GetInt("Fire Parms", "Empty", 7), 7);
  EXPECT_EQ(file.GetInt("Other", "Missing", -102), -102);
}

TEST(ProfileFileTest, StringsAreCutToTheCallersLength) {
  platform::ProfileFile file;
  file.Parse(kProfile);
  EXPECT_EQ(file.GetString("Fire Parms", "Ctrl0_Value", "", 6), "quoted");
  EXPECT_EQ(file.GetString("Fire Parms", "Missing", "TWK_ERR_NO_SECTION", 14), "TWK_ERR_NO_SEC");
}

TEST(ProfileFileTest, SettingReplacesOrAddsAndWritesCrLf) {
  platform::ProfileFile file;
  file.Parse("[General Administration]\nReadFile=fire.twk\nOther=1\n\n[Next]\nA=1\n");
  file.Set("general administration", "READFILE", "ALL");
  file.Set("Next", "B", "2");
  file.Set("New Section", "C", "3");
  EXPECT_EQ(file.Text(),
            "[General Administration]\r\nREADFILE=ALL\r\nOther=1\r\n\r\n[Next]\r\nA=1\r\nB=2\r\n"
            "[New Section]\r\nC=3\r\n");
}

TEST(ProfileFileTest, MissingFileReadsEmptyAndWritingCreatesIt) {
  TempFolder folder;
  std::string path = folder.Game("Tweak.ini");
  EXPECT_EQ(platform::GetPrivateProfileInt("A", "B", 5, path), 5);
  EXPECT_EQ(platform::GetPrivateProfileString("A", "B", "none", 99, path), "none");
  ASSERT_TRUE(platform::WritePrivateProfileString("A", "B", "12", path));
  EXPECT_EQ(folder.Read("Tweak.ini"), "[A]\r\nB=12\r\n");
  EXPECT_EQ(platform::GetPrivateProfileInt("a", "b", 5, folder.Game("TWEAK.INI")), 12);
}

TEST(ProfileFileTest, FileThatCannotBeReadIsNeverWritten) {
  TempFolder folder;
  std::string large = "[A]\r\nB=1\r\n" + std::string(platform::ProfileFile::kMaxFileSize, ';');
  folder.Write("large.ini", large);
  folder.MakeFolder("folder.ini");
  EXPECT_EQ(platform::GetPrivateProfileInt("A", "B", 5, folder.Game("large.ini")), 5);  // over 16 MB: empty
  EXPECT_FALSE(platform::WritePrivateProfileString("A", "B", "2", folder.Game("large.ini")));
  EXPECT_EQ(folder.Read("large.ini"), large);
  EXPECT_FALSE(platform::WritePrivateProfileString("A", "B", "2", folder.Game("folder.ini")));
  EXPECT_TRUE(platform::FolderExists(folder.Game("folder.ini")));
  // At the limit the file still reads.
  folder.Write("limit.ini", large.substr(0, platform::ProfileFile::kMaxFileSize));
  EXPECT_EQ(platform::GetPrivateProfileInt("A", "B", 5, folder.Game("limit.ini")), 1);
}

}  // namespace
