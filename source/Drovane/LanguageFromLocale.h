#pragma once
#include <cstdint>

// The language a Windows locale id (its low 16 bits) asks for: a main language or UKEnglish;
// 1 for every locale the game does not know.
int32_t LanguageFromLocaleId(uint32_t localeId);

// The language of the user's locale.
int32_t LanguageFromLocale();

// The language the game starts in: the locale's, when the string table holds texts of its
// own for it (string 3 of its block); otherwise 1, with a debug line naming the locale, so
// a desktop in a language without translations shows no marked texts.
int32_t StartingLanguage();
