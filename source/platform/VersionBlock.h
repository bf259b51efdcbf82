#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The fixed part of a version block: the file's version as two words, major and minor in
// the most significant one, the third and fourth numbers in the least significant one.
struct FixedFileInfo {
  uint32_t fileVersionMS = 0;
  uint32_t fileVersionLS = 0;
};

// A program's version block: its language and code page, its named string values and the
// fixed file information.
struct VersionBlock {
  uint16_t language = 0;
  uint16_t codePage = 0;
  std::vector<std::pair<std::string, std::string>> strings;
  FixedFileInfo fixed;
};

// The version block compiled into the program from the project's version.
const VersionBlock& ProgramVersionBlock();

// Answers the queries a version reader makes of a block:
// "\VarFileInfo\Translation" gives the language and code page,
// "\StringFileInfo\LLLLCCCC\Name" a string value (the hexadecimal digits in either case),
// "\" the fixed file information. False for any other key or a missing value.
bool QueryTranslation(const VersionBlock& block, const std::string& key, uint16_t& language, uint16_t& codePage);
bool QueryVersionString(const VersionBlock& block, const std::string& key, std::string& value);
bool QueryFixedFileInfo(const VersionBlock& block, const std::string& key, FixedFileInfo& fixed);

}  // namespace platform
