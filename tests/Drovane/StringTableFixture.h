#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"

// The game's table holding the given strings for one test; the current language is 1
// before and after, and a debug console catches the table's debug lines.
class ScopedStringTable {
public:
  explicit ScopedStringTable(const std::vector<std::pair<uint32_t, std::string>>& strings) {
    CreateDebugConsole();
    gStringTable.Clear();
    for (const auto& [id, text] : strings) gStringTable.Add(id, text);
    SetCurrentLanguage(1);
  }
  ~ScopedStringTable() {
    SetCurrentLanguage(1);
    gStringTable.Clear();
    DestroyDebugConsole();
  }
};

// Block 1's language entries, "French" as language 3's name and a few of language 1's texts.
inline std::vector<std::pair<uint32_t, std::string>> SmallLanguageTable() {
  return {{0, "English"},      {1, "English"},     {2, "english"},   {3, "Are you sure you want to quit?"},
          {1000, "UKEnglish"}, {1002, "english-uk"}, {2000, "French"}, {2002, "french"},
          {3000, "German"},    {43000, "Japanese"}, {500, "Monday"}, {506, "Sunday"},
          {510, "January"},    {521, "December"}};
}
