#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Languages 1 to 44, each owning the string ids (language - 1) * 1000 to + 999. String 0 of
// a language's block is its name, string 2 its directory name; string 1 exists only for
// language 1 and marks availability. Language 0 stands for the current language.
constexpr int32_t kLanguageCount = 44;

// The current language, 1 until SetCurrentLanguage changes it.
int32_t CurrentLanguage();

// Copies the language's name into buffer (size bytes, cut to fit and terminated). Returns
// 1, or 0 without copying for a language outside 0..45 or a buffer of no size.
int GetLanguageName(int32_t language, char* buffer, size_t size);
// The first of languages 1 to 45 whose name is exactly name (case-sensitive); 1 and the
// language in outLanguage, or 0.
int FindLanguageByName(const std::string& name, int32_t& outLanguage);
// The length of the language's availability text (with the fallback); nonzero = available.
int32_t IsLanguageAvailable(int32_t language);
// The next available language after this one, wrapping from 44 to 1; the language itself
// when no other is available; 0 for a language outside 0..44.
int32_t NextAvailableLanguage(int32_t language);
// Makes the language (0 = 1) current, with its font in place of the old one's (see
// LanguageFont.h), and sets the C library's locale from its directory
// name when the system knows such a locale, numbers excepted: they keep the C locale's
// decimal point. 1 when the language changed, 0 when it was current already or is not
// available.
int SetCurrentLanguage(int32_t language);

// The main language of a regional or script variant (0 = current).
int32_t GetBaseLanguage(int32_t language);
bool LanguageUsesLatinFonts(int32_t language);
bool IsNeitherUKEnglishNorJapanese(int32_t language);
// The face of the language's fonts into face: 1, or 0 (face untouched) when it has none.
int GetFontFaceForLanguage(int32_t language, uint32_t unused, std::string& face);

// Set text to string 0, 1 or 2 of the language's block (with the fallback) and, when the
// table had it, append a backslash and return 1; 0 when nothing was loaded.
int AppendLanguageNameDirectory(std::string& text, int32_t language);
int AppendLanguageLabelDirectory(std::string& text, int32_t language);
int AppendLanguageDirectory(std::string& text, int32_t language);
