// The string table's reader on arbitrary bytes, and the texts the game then looks up.
#include <cstdint>
#include <string>

#include "Drovane/LanguageFromLocale.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = WriteFuzzFile("strings.tbl", data, size);
  StringTable table;
  table.Load(path);
  for (const auto& [id, text] : table.Texts())
    if (id > StringTable::kMaxId || text.size() > StringTable::kMaxTextLength) __builtin_trap();

  gStringTable.Load(path);
  std::string text;
  LoadLanguageString(text, GetLanguageStringId(3, 2));
  int32_t language = 0;
  FindLanguageByName("French", language);
  char name[8];
  GetLanguageName(45, name, sizeof name);
  NextAvailableLanguage(44);
  SetCurrentLanguage(language);
  SetCurrentLanguage(1);
  return 0;
}
