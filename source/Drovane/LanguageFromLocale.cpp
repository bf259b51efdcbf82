#include "Drovane/LanguageFromLocale.h"

#include "Drovane/DebugLog.h"
#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"
#include "Drovane/StringTable.h"
#include "platform/UserLocale.h"

namespace {

struct LocaleLanguage {
  uint16_t localeId;
  int32_t language;
};

constexpr LocaleLanguage kLocaleLanguages[] = {
    {0x0405, 18}, {0x0406, 8},  {0x0407, 4},  {0x0408, 19}, {0x0409, 1},  {0x040A, 6},
    {0x040B, 21}, {0x040C, 3},  {0x040E, 22}, {0x040F, 23}, {0x0410, 5},  {0x0413, 7},
    {0x0414, 20}, {0x0415, 9},  {0x0416, 10}, {0x0419, 16}, {0x041B, 26}, {0x041D, 11},
    {0x041F, 29}, {0x0807, 4},  {0x0809, 2},  {0x080A, 6},  {0x080C, 3},  {0x0810, 5},
    {0x0813, 3},  {0x0814, 20}, {0x0816, 10}, {0x0C07, 4},  {0x0C09, 2},  {0x0C0A, 6},
    {0x0C0C, 3},  {0x1009, 1},  {0x100C, 3},  {0x1409, 2},  {0x1809, 2},
};

constexpr uint32_t kOwnTextString = 3;

}  // namespace

int32_t LanguageFromLocaleId(uint32_t localeId) {
  for (const LocaleLanguage& entry : kLocaleLanguages)
    if (entry.localeId == (localeId & 0xFFFF)) return entry.language;
  return 1;
}

int32_t LanguageFromLocale() { return LanguageFromLocaleId(platform::GetUserDefaultLCID()); }

int32_t StartingLanguage() {
  uint32_t localeId = platform::GetUserDefaultLCID() & 0xFFFF;
  int32_t language = LanguageFromLocaleId(localeId);
  if (language == 1 || gStringTable.Has(GetLanguageStringId(kOwnTextString, language))) return language;
  char name[64];
  GetLanguageName(language, name, sizeof name);
  DebugPrintf("The locale 0x%04X asks for %s, which has no texts of its own; English is used.\n", localeId,
              name);
  return 1;
}
