#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/VersionBlock.h"

// Reads the program's version block: its string values under the block's first translation
// and the numbers of its fixed file information.
class VersionInfo {
public:
  // The running program's own block.
  VersionInfo();
  // A given block (a copy is kept); null stands for a program without one.
  explicit VersionInfo(const platform::VersionBlock* block);
  virtual ~VersionInfo() = default;

  // Non-zero when found; the value goes to text.
  int GetProductName(std::string& text) const { return GetString("ProductName", text); }
  int GetFileVersion(std::string& text) const { return GetString("FileVersion", text); }
  int GetLegalCopyright(std::string& text) const { return GetString("LegalCopyright", text); }
  int GetDebugVersion(std::string& text) const { return GetString("Debug Version", text); }

  // part 0 and 1: the high and low words of the most significant version word, 2 and 3 those
  // of the least significant; -1 for another part or a failed lookup; 0 without a block.
  int32_t GetFixedInfo(int part) const;

private:
  int GetString(const char* name, std::string& text) const;

  std::unique_ptr<platform::VersionBlock> mpBlock;
  uint16_t mLanguage = 0;
  uint16_t mCodePage = 0;
};
