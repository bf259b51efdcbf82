#include "Drovane/VersionInfo.h"

#include <cstdio>

VersionInfo::VersionInfo() : VersionInfo(&platform::ProgramVersionBlock()) {}

VersionInfo::VersionInfo(const platform::VersionBlock* block) {
  if (!block) return;
  mpBlock = std::make_unique<platform::VersionBlock>(*block);
  if (!platform::QueryTranslation(*mpBlock, "\\VarFileInfo\\Translation", mLanguage, mCodePage)) mpBlock.reset();
}

int VersionInfo::GetString(const char* name, std::string& text) const {
  if (!mpBlock) return 0;
  char key[300];
  std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\%s", mLanguage, mCodePage, name);
  return platform::QueryVersionString(*mpBlock, key, text) ? 1 : 0;
}

int32_t VersionInfo::GetFixedInfo(int part) const {
  if (!mpBlock) return 0;
  platform::FixedFileInfo fixed;
  if (part < 0 || part > 3 || !platform::QueryFixedFileInfo(*mpBlock, "\\", fixed)) return -1;
  uint32_t word = part < 2 ? fixed.fileVersionMS : fixed.fileVersionLS;
  return static_cast<int32_t>(part % 2 == 0 ? word >> 16 : word & 0xFFFF);
}
