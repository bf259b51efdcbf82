#include "platform/VersionBlock.h"

#include <strings.h>

#include <cstdio>

namespace platform {
namespace {

constexpr uint16_t kEnglishUnitedStates = 0x0409;
constexpr uint16_t kWesternCodePage = 0x04E4;

VersionBlock MakeProgramBlock() {
  VersionBlock block;
  block.language = kEnglishUnitedStates;
  block.codePage = kWesternCodePage;
  block.strings = {{"ProductName", "Halvorine"},
                   {"FileVersion", HALVORINE_VERSION},
                   {"LegalCopyright", "Copyright (C) the Halvorine developers. Free to play and to share."}};
#ifndef NDEBUG
  block.strings.emplace_back("Debug Version", HALVORINE_VERSION);
#endif
  block.fixed.fileVersionMS = (HALVORINE_VERSION_MAJOR << 16) | HALVORINE_VERSION_MINOR;
  block.fixed.fileVersionLS = HALVORINE_VERSION_PATCH << 16;
  return block;
}

bool SameKey(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

const VersionBlock& ProgramVersionBlock() {
  static const VersionBlock block = MakeProgramBlock();
  return block;
}

bool QueryTranslation(const VersionBlock& block, const std::string& key, uint16_t& language, uint16_t& codePage) {
  if (!SameKey(key, "\\VarFileInfo\\Translation")) return false;
  language = block.language;
  codePage = block.codePage;
  return true;
}

bool QueryVersionString(const VersionBlock& block, const std::string& key, std::string& value) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", block.language, block.codePage);
  std::string start(prefix);
  if (key.size() <= start.size() || !SameKey(key.substr(0, start.size()), start)) return false;
  std::string name = key.substr(start.size());
  for (const auto& [entry, text] : block.strings) {
    if (entry != name) continue;
    value = text;
    return true;
  }
  return false;
}

bool QueryFixedFileInfo(const VersionBlock& block, const std::string& key, FixedFileInfo& fixed) {
  if (key != "\\") return false;
  fixed = block.fixed;
  return true;
}

}  // namespace platform
