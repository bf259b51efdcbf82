#include <gtest/gtest.h>

#include <cstdio>

#include "Drovane/FormatConversions.h"
#include "Drovane/VersionInfo.h"
#include "Drovane/WindowsVersion.h"

namespace {

TEST(VersionInfoTest, ReadsAGivenBlock) {
  platform::VersionBlock block;
  block.language = 0x0409;
  block.codePage = 0x04E4;
  block.strings = {{"ProductName", "Halvorine"}, {"LegalCopyright", "ours"}};
  block.fixed = {0x00020003, 0x00040005};
  VersionInfo info(&block);
  std::string text;
  EXPECT_TRUE(info.GetProductName(text));
  EXPECT_EQ(text, "Halvorine");
  EXPECT_TRUE(info.GetLegalCopyright(text));
  EXPECT_EQ(text, "ours");
  EXPECT_FALSE(info.GetFileVersion(text));
  EXPECT_FALSE(info.GetDebugVersion(text));
  const int32_t parts[] = {2, 3, 4, 5, -1, -1};
  for (int part = 0; part < 6; ++part) EXPECT_EQ(info.GetFixedInfo(part == 5 ? -1 : part), parts[part]) << part;
}

TEST(VersionInfoTest, NoBlockFindsNothing) {
  VersionInfo info(nullptr);
  std::string text;
  EXPECT_FALSE(info.GetProductName(text));
  EXPECT_EQ(info.GetFixedInfo(0), 0);
  EXPECT_EQ(info.GetFixedInfo(7), 0);
}

TEST(VersionInfoTest, TheProgramsOwnBlock) {
  VersionInfo info;
  std::string name, version, copyright, debugVersion;
  ASSERT_TRUE(info.GetProductName(name));
  EXPECT_EQ(name, "Halvorine");
  ASSERT_TRUE(info.GetFileVersion(version));
  EXPECT_TRUE(info.GetLegalCopyright(copyright));
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%d.%d.%d", info.GetFixedInfo(0), info.GetFixedInfo(1), info.GetFixedInfo(2));
  EXPECT_EQ(version, numbers) << "the fixed information carries the same version";
#ifdef NDEBUG
  EXPECT_FALSE(info.GetDebugVersion(debugVersion));
#else
  EXPECT_TRUE(info.GetDebugVersion(debugVersion));
#endif
}

TEST(VersionInfoTest, OnlyTheBlocksTranslationIsAnswered) {
  platform::VersionBlock block;
  block.language = 0x0409;
  block.codePage = 0x04E4;
  block.strings = {{"ProductName", "Halvorine"}};
  std::string value;
  EXPECT_TRUE(platform::QueryVersionString(block, "\\StringFileInfo\\040904E4\\ProductName", value));
  EXPECT_FALSE(platform::QueryVersionString(block, "\\StringFileInfo\\040704e4\\ProductName", value));
  EXPECT_FALSE(platform::QueryVersionString(block, "\\StringFileInfo\\040904e4\\", value));
  platform::FixedFileInfo fixed;
  EXPECT_FALSE(platform::QueryFixedFileInfo(block, "\\VarFileInfo", fixed));
}

TEST(WindowsVersionTest, FromTheVersionWord) {
  const struct {
    uint32_t word;
    const char* text;
    int32_t code, major, minor;
  } cases[] = {
      {0x00000004, "Windows NT 4.0", 4, 4, 0},
      {0x80000004, "Windows 4.0", 3, 4, 0},
      {0x80000A03, "Windows 3.10", 3, 3, 10},
  };
  for (const auto& c : cases) {
    std::string text;
    EXPECT_EQ(GetWindowsVersionText(text, c.word), 1);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(GetWindowsPlatformCode(c.word), c.code) << c.text;
    EXPECT_EQ(GetWindowsVersionPart(0, c.word), c.major) << c.text;
    EXPECT_EQ(GetWindowsVersionPart(1, c.word), c.minor) << c.text;
    EXPECT_EQ(GetWindowsVersionPart(2, c.word), -1) << c.text;
  }
  EXPECT_EQ(GetWindowsPlatformCode(), 4) << "this system answers the 32-bit line, version 4.0";
}

TEST(FormatConversionsTest, ComparesTheArgumentsTaken) {
  const struct {
    const char* format;
    const char* expected;
    bool same;
  } cases[] = {
      {", %ld Mhz.", ", %ld Mhz.", true},
      {"%5ld MB", "%ldMB Memory\n", true},
      {"100%% %ld", "%ld", true},
      {"%d MB", "%ldMB", false},
      {"%s", "%ld", false},
      {"%ld.%ld.%ld", "%ld.%ld", false},
      {"%ld", "%ld.%ld", false},
      {"%*ld", "%ld", false},
      {"%n", "%n", false},
      {"cut %", "cut %", false},
      {"%ld %q", "%ld", false},
      {"no conversions", "(!)", true},
  };
  for (const auto& c : cases) EXPECT_EQ(SameConversions(c.format, c.expected), c.same) << c.format;
}

}  // namespace
