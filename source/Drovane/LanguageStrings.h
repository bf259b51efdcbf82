#pragma once
#include <cstdint>
#include <string>

// The id of a text in a language: baseId + (language - 1) * 1000. Language 0 is the current
// one; a language outside 0..44 gives id 0 (the name "English").
uint32_t GetLanguageStringId(uint32_t baseId, int32_t language);

// Loads the text of an id already shifted for its language. When the table has none, the
// language-1 text of id modulo 1000 stands in, marked with "(!)" appended. Returns the length
// of the text that was found: 0 when even the language-1 text is missing (text is "(!)").
int32_t LoadLanguageString(std::string& text, uint32_t id);

// The text of a base id in a language (0 = current), with the marked fallback.
std::string LocalizedString(uint32_t baseId, int32_t language = 0);
