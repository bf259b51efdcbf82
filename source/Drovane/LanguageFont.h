#pragma once
#include <cstdint>
#include <string>

// The extra TrueType font of the Cyrillic-script languages (those whose base language is
// Russian, 16): its face "Bulgarian Ariel" comes from "Bariel.ttf" in the fonts folder when
// the system does not already have it. Language 0 stands for the current language.

// For language 16 only: the full path of "Bariel.ttf" in the fonts folder into path, and 1;
// 0 for every other language.
int GetLanguageFontFile(int32_t language, uint32_t unused, std::string& path);
// A Latin-font language needs nothing (1); a language not based on Russian has no font
// (0); when the face exists already, 1; otherwise the result of adding the font file.
int InstallLanguageFont(int32_t language);
// The same tests, then the result of dropping the font file.
int RemoveLanguageFont(int32_t language);
// Drops the current language's font. 1.
int RemoveCurrentLanguageFont();
// Whether a font family of exactly that name (letter case counts) is installed.
bool FontFaceExists(const std::string& faceName);
