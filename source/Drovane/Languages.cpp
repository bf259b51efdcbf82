#include "Drovane/Languages.h"

#include <algorithm>
#include <clocale>
#include <cstring>

#include "Drovane/LanguageFont.h"
#include "Drovane/LanguageStrings.h"

namespace {

int32_t gCurrentLanguage = 1;

constexpr uint32_t kNameString = 0;
constexpr uint32_t kAvailabilityString = 1;
constexpr uint32_t kDirectoryString = 2;
// FindLanguageByName and GetLanguageName also reach the block after the last language.
constexpr int32_t kLastBlock = kLanguageCount + 1;

struct LanguageTraits {
  int32_t base;
  bool latinFonts;
};

// By language number - 1.
constexpr LanguageTraits kTraits[kLanguageCount] = {
    {1, true},   {1, true},   {3, true},   {4, true},   {5, true},   {6, true},   {7, true},
    {8, true},   {9, true},   {10, true},  {11, true},  {12, false}, {13, false}, {16, false},
    {16, false}, {16, false}, {17, false}, {18, false}, {19, false}, {20, true},  {21, true},
    {22, true},  {23, true},  {24, true},  {25, true},  {26, false}, {27, false}, {28, false},
    {29, false}, {30, false}, {31, false}, {3, true},   {3, true},   {3, true},   {4, true},
    {5, true},   {7, true},   {6, true},   {10, false}, {40, false}, {41, false}, {43, false},
    {43, false}, {44, false},
};

int32_t Resolve(int32_t language) { return language == 0 ? gCurrentLanguage : language; }

bool IsLanguage(int32_t language) { return language >= 1 && language <= kLanguageCount; }

// String n of a block, with the fallback; the block after the last language included.
int32_t LoadBlockString(std::string& text, uint32_t n, int32_t language) {
  return LoadLanguageString(text, static_cast<uint32_t>(language - 1) * 1000 + n);
}

int AppendBlockDirectory(std::string& text, uint32_t n, int32_t language) {
  if (LoadLanguageString(text, GetLanguageStringId(n, language)) == 0) return 0;
  text += '\\';
  return 1;
}

// The locale of every category but numbers, which keep the decimal point that tuning files
// and saved numbers are written with. A name the system refuses changes nothing.
void SetLocaleFromDirectory(std::string directory) {
  if (!directory.empty() && directory.back() == '\\') directory.pop_back();
  if (directory.empty() || !std::setlocale(LC_ALL, directory.c_str())) return;
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace

int32_t CurrentLanguage() { return gCurrentLanguage; }

int GetLanguageName(int32_t language, char* buffer, size_t size) {
  language = Resolve(language);
  if (language < 0 || language > kLastBlock || !buffer || size == 0) return 0;
  std::string name;
  LoadBlockString(name, kNameString, language);
  size_t length = std::min(name.size(), size - 1);
  std::memcpy(buffer, name.data(), length);
  buffer[length] = '\0';
  return 1;
}

int FindLanguageByName(const std::string& name, int32_t& outLanguage) {
  for (int32_t language = 1; language <= kLastBlock; ++language) {
    std::string text;
    LoadBlockString(text, kNameString, language);
    if (text != name) continue;
    outLanguage = language;
    return 1;
  }
  return 0;
}

int32_t IsLanguageAvailable(int32_t language) {
  language = Resolve(language);
  if (language < 1) return 0;
  std::string text;
  LoadBlockString(text, kAvailabilityString, language);
  return static_cast<int32_t>(text.size());
}

int32_t NextAvailableLanguage(int32_t language) {
  if (language < 0 || language > kLanguageCount) return 0;
  int32_t next = language;
  for (int32_t step = 0; step < kLanguageCount; ++step) {
    next = next % kLanguageCount + 1;
    if (next == language) break;
    if (IsLanguageAvailable(next)) return next;
  }
  return language;
}

// Only languages 1 to 44 can become current: any other number would turn every text id
// into id 0.
int SetCurrentLanguage(int32_t language) {
  if (language == 0) language = 1;
  if (language == gCurrentLanguage || !IsLanguage(language) || !IsLanguageAvailable(language)) return 0;
  RemoveLanguageFont(gCurrentLanguage);
  gCurrentLanguage = language;
  InstallLanguageFont(language);
  std::string directory;
  AppendLanguageDirectory(directory, language);
  SetLocaleFromDirectory(directory);
  return 1;
}

int32_t GetBaseLanguage(int32_t language) {
  language = Resolve(language);
  return IsLanguage(language) ? kTraits[language - 1].base : language;
}

bool LanguageUsesLatinFonts(int32_t language) {
  language = Resolve(language);
  return IsLanguage(language) && kTraits[language - 1].latinFonts;
}

bool IsNeitherUKEnglishNorJapanese(int32_t language) {
  language = Resolve(language);
  return language != 2 && language != 44;
}

int GetFontFaceForLanguage(int32_t language, uint32_t, std::string& face) {
  language = Resolve(language);
  if (LanguageUsesLatinFonts(language)) {
    face = "Arial";
  } else if (language >= 14 && language <= 16) {
    face = "Bulgarian Ariel";
  } else {
    return 0;
  }
  return 1;
}

int AppendLanguageNameDirectory(std::string& text, int32_t language) {
  return AppendBlockDirectory(text, kNameString, language);
}

int AppendLanguageLabelDirectory(std::string& text, int32_t language) {
  return AppendBlockDirectory(text, kAvailabilityString, language);
}

int AppendLanguageDirectory(std::string& text, int32_t language) {
  return AppendBlockDirectory(text, kDirectoryString, language);
}
