#include <gtest/gtest.h>

#include "Drovane/SystemReport.h"
#include "Drovane/VersionInfo.h"
#include "FakeProcessor.h"
#include "StringTableFixture.h"

namespace {

std::vector<std::pair<uint32_t, std::string>> ReportTexts() {
  std::vector<std::pair<uint32_t, std::string>> texts{
      {4, "Halvorine"},
      {371, ", %ld Mhz."},
      {372, "%ldMB Memory\n"},
      {373, "Version %s\n"},
      {374, "Debug Version %s\n"},
      {375, "Unknown, version %ld.%ld"},
      {376, "DOS, version %ld.%ld"},
      {377, "16 bit Windows, version %ld.%ld"},
      {378, "Windows 95 and later, version %ld.%ld"},
      {379, "Windows NT, version %ld.%ld"},
  };
  const char* classes[] = {"8086/88-class", "80186-class", "286-class", "386-class", "486-class",
                           "586 (Pentium)-class", "686 (Pentium-Pro)-class", "786-class", "886-class",
                           "986-class", "Later than 986-class"};
  for (uint32_t i = 0; i < 11; ++i) texts.emplace_back(360 + i, classes[i]);
  return texts;
}

platform::VersionBlock Block(bool withDebugVersion) {
  platform::VersionBlock block;
  block.language = 0x0409;
  block.codePage = 0x04E4;
  block.strings = {{"ProductName", "Halvorine"}, {"FileVersion", "1.2.3"}};
  if (withDebugVersion) block.strings.emplace_back("Debug Version", "1.2.3");
  return block;
}

constexpr uint64_t k32MB = 33554432;

TEST(SystemReportTest, IntelWithAVersionBlock) {
  ScopedStringTable table(ReportTexts());
  FakeProcessor processor;
  platform::VersionBlock block = Block(false);
  EXPECT_EQ(BuildSystemReport(VersionInfo(&block), k32MB),
            "Halvorine\nVersion 1.2.3\nWindows NT, version 4.0\n32MB Memory\n586 (Pentium)-class, 100 Mhz.");
}

TEST(SystemReportTest, DebugVersionAndMemoryPast4GB) {
  ScopedStringTable table(ReportTexts());
  FakeProcessor processor;
  platform::VersionBlock block = Block(true);
  EXPECT_EQ(BuildSystemReport(VersionInfo(&block), uint64_t{16} << 30),
            "Halvorine\nVersion 1.2.3\nDebug Version 1.2.3\nWindows NT, version 4.0\n16777MB Memory\n"
            "586 (Pentium)-class, 100 Mhz.");
}

TEST(SystemReportTest, AmdWithoutAVersionBlock) {
  ScopedStringTable table(ReportTexts());
  FakeProcessor processor;
  processor.vendor = "AuthenticAMD";
  EXPECT_EQ(BuildSystemReport(VersionInfo(nullptr), k32MB),
            "Halvorine\nWindows NT, version 4.0\n32MB Memory\nLater than 986-class, 0 Mhz.");
}

TEST(SystemReportTest, FormatsTakingOtherArgumentsGiveWayToEnglish) {
  std::vector<std::pair<uint32_t, std::string>> texts = ReportTexts();
  texts.emplace_back(1371, ", %s MHz!");
  texts.emplace_back(1372, "%ldMo de m\xE9moire\n");
  texts.emplace_back(1373, "Version %ld\n");
  texts.emplace_back(1379, "Windows NT, %ld.%ld.%ld");
  texts.emplace_back(1004, "Halvorine (UK)");
  ScopedStringTable table(texts);
  SetCurrentLanguage(2);
  FakeProcessor processor;
  platform::VersionBlock block = Block(false);
  EXPECT_EQ(BuildSystemReport(VersionInfo(&block), k32MB),
            "Halvorine (UK)\nVersion 1.2.3\nWindows NT, version 4.0\n32Mo de m\xE9moire\n"
            "586 (Pentium)-class(!), 100 Mhz.");
}

TEST(SystemReportTest, WithoutAStringTableTheFormatsAreEnglish) {
  ScopedStringTable table({});
  FakeProcessor processor;
  processor.hasCpuid = false;
  EXPECT_EQ(BuildSystemReport(VersionInfo(nullptr), k32MB),
            "(!)\nWindows NT, version 4.0\n32MB Memory\n(!), 0 Mhz.");
}

}  // namespace
