#include "Drovane/LanguageFont.h"

#include "Drovane/DataPaths.h"
#include "Drovane/GdiFont.h"
#include "Drovane/Languages.h"
#include "platform/FontRegistry.h"

namespace {

constexpr int32_t kRussian = 16;
constexpr const char* kCyrillicFace = "Bulgarian Ariel";
constexpr const char* kCyrillicFontFile = "Bariel.ttf";

// 1 when the language needs no font of its own, 0 when it has none, -1 when it takes the
// Cyrillic font.
int NeedsCyrillicFont(int32_t language) {
  if (LanguageUsesLatinFonts(language)) return 1;
  if (GetBaseLanguage(language) != kRussian) return 0;
  return -1;
}

}  // namespace

int GetLanguageFontFile(int32_t language, uint32_t, std::string& path) {
  if (language != kRussian) return 0;
  return gDataPaths.GetPathString(kDataFonts, 0, kCyrillicFontFile, path);
}

int InstallLanguageFont(int32_t language) {
  const int need = NeedsCyrillicFont(language);
  if (need >= 0) return need;
  if (FontFaceExists(kCyrillicFace)) return 1;
  std::string path;
  if (!GetLanguageFontFile(kRussian, 0, path)) return 0;
  return GdiFont::AddFontFile(path);
}

int RemoveLanguageFont(int32_t language) {
  const int need = NeedsCyrillicFont(language);
  if (need >= 0) return need;
  std::string path;
  if (!GetLanguageFontFile(kRussian, 0, path)) return 0;
  return GdiFont::RemoveFontFile(path);
}

int RemoveCurrentLanguageFont() {
  RemoveLanguageFont(CurrentLanguage());
  return 1;
}

bool FontFaceExists(const std::string& faceName) {
  for (const std::string& family : platform::FontFamilyNames()) {
    if (family == faceName) return true;
  }
  return false;
}
