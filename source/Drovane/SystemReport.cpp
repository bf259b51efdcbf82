#include "Drovane/SystemReport.h"

#include <cstdio>
#include <sstream>

#include "Drovane/CpuClock.h"
#include "Drovane/CpuInfo.h"
#include "Drovane/DebugLog.h"
#include "Drovane/FormatConversions.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/VersionInfo.h"
#include "Drovane/WindowsVersion.h"
#include "platform/PhysicalMemory.h"

namespace {

constexpr uint32_t kProgramNameText = 4;
constexpr uint32_t kFirstCpuClassText = 360;
constexpr uint32_t kClockText = 371;
constexpr uint32_t kMemoryText = 372;
constexpr uint32_t kVersionText = 373;
constexpr uint32_t kDebugVersionText = 374;
constexpr uint32_t kFirstSystemText = 375;
constexpr uint64_t kBytesPerReportedMegabyte = 1024000;

// The English formats, used when the table's text would take other arguments.
const char* EnglishFormat(uint32_t id) {
  static const char* const kFormats[] = {
      ", %ld Mhz.",       "%ldMB Memory\n",
      "Version %s\n",     "Debug Version %s\n",
      "Unknown, version %ld.%ld",
      "DOS, version %ld.%ld",
      "16 bit Windows, version %ld.%ld",
      "Windows 95 and later, version %ld.%ld",
      "Windows NT, version %ld.%ld",
  };
  return kFormats[id - kClockText];
}

template <class... Args>
std::string FormatText(uint32_t id, Args... args) {
  std::string format = LocalizedString(id);
  if (!SameConversions(format, EnglishFormat(id))) format = EnglishFormat(id);
  char buffer[4096];
  std::snprintf(buffer, sizeof buffer, format.c_str(), args...);
  return buffer;
}

}  // namespace

std::string BuildSystemReport(const VersionInfo& version, uint64_t totalMemoryBytes) {
  std::string report = LocalizedString(kProgramNameText) + "\n";
  std::string value;
  if (version.GetFileVersion(value)) report += FormatText(kVersionText, value.c_str());
  if (version.GetDebugVersion(value)) report += FormatText(kDebugVersionText, value.c_str());
  report += FormatText(kFirstSystemText + static_cast<uint32_t>(GetWindowsPlatformCode()),
                       static_cast<long>(GetWindowsVersionPart(0)), static_cast<long>(GetWindowsVersionPart(1)));
  report += "\n";
  report += FormatText(kMemoryText, static_cast<long>(totalMemoryBytes / kBytesPerReportedMegabyte));
  report += LocalizedString(kFirstCpuClassText + GetCpuTypeClamped());
  report += FormatText(kClockText, static_cast<long>(GetCpuSpeed()));
  return report;
}

std::string BuildSystemReport() { return BuildSystemReport(VersionInfo(), platform::TotalPhysicalMemory()); }

void WriteSystemReportToLog() {
  std::istringstream lines(BuildSystemReport());
  for (std::string line; std::getline(lines, line);) DebugPrintf("%s\n", line.c_str());
}
