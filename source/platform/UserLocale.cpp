#include "platform/UserLocale.h"

#include <cctype>
#include <cstdlib>

namespace platform {
namespace {

constexpr uint32_t kUsEnglish = 0x0409;

struct LocaleEntry {
  const char* language;
  const char* territory;  // empty: the language's main id
  uint32_t id;
};

// The locale ids the game recognises, by ISO language and territory.
constexpr LocaleEntry kLocales[] = {
    {"cs", "", 0x0405}, {"da", "", 0x0406}, {"de", "", 0x0407}, {"el", "", 0x0408},
    {"en", "", 0x0409}, {"es", "", 0x040A}, {"fi", "", 0x040B}, {"fr", "", 0x040C},
    {"hu", "", 0x040E}, {"is", "", 0x040F}, {"it", "", 0x0410}, {"nl", "", 0x0413},
    {"nb", "", 0x0414}, {"no", "", 0x0414}, {"nn", "", 0x0814}, {"pl", "", 0x0415},
    {"pt", "", 0x0416}, {"ru", "", 0x0419}, {"sk", "", 0x041B}, {"sv", "", 0x041D},
    {"tr", "", 0x041F},
    {"de", "CH", 0x0807}, {"en", "GB", 0x0809}, {"es", "MX", 0x080A}, {"fr", "BE", 0x080C},
    {"it", "CH", 0x0810}, {"nl", "BE", 0x0813}, {"pt", "PT", 0x0816}, {"de", "AT", 0x0C07},
    {"en", "AU", 0x0C09}, {"es", "ES", 0x0C0A}, {"fr", "CA", 0x0C0C}, {"en", "CA", 0x1009},
    {"fr", "CH", 0x100C}, {"en", "NZ", 0x1409}, {"en", "IE", 0x1809},
};

// "ll_TT.codeset@modifier": the language in lower case and the territory in upper case.
void SplitLocaleName(const std::string& name, std::string& language, std::string& territory) {
  size_t end = name.find_first_of(".@");
  std::string head = name.substr(0, end);
  size_t underscore = head.find('_');
  language = head.substr(0, underscore);
  territory = underscore == std::string::npos ? "" : head.substr(underscore + 1);
  for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : territory) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

uint32_t FindLocale(const std::string& language, const std::string& territory) {
  for (const LocaleEntry& entry : kLocales)
    if (language == entry.language && territory == entry.territory) return entry.id;
  return 0;
}

}  // namespace

uint32_t LocaleIdFromName(const std::string& name) {
  std::string language;
  std::string territory;
  SplitLocaleName(name, language, territory);
  if (uint32_t id = FindLocale(language, territory)) return id;
  if (uint32_t id = FindLocale(language, "")) return id;
  return kUsEnglish;
}

uint32_t GetUserDefaultLCID() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && value[0]) return LocaleIdFromName(value);
  }
  return kUsEnglish;
}

}  // namespace platform
