#include "Drovane/LanguageStrings.h"

#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"

uint32_t GetLanguageStringId(uint32_t baseId, int32_t language) {
  if (language == 0) language = CurrentLanguage();
  if (language < 0 || language > kLanguageCount) return 0;
  return baseId + static_cast<uint32_t>(language - 1) * 1000;
}

int32_t LoadLanguageString(std::string& text, uint32_t id) {
  if (gStringTable.Find(id, text) && !text.empty()) return static_cast<int32_t>(text.size());
  if (!gStringTable.Find(id % 1000, text)) text.clear();
  int32_t length = static_cast<int32_t>(text.size());
  text += "(!)";
  return length;
}

std::string LocalizedString(uint32_t baseId, int32_t language) {
  std::string text;
  LoadLanguageString(text, GetLanguageStringId(baseId, language));
  return text;
}
