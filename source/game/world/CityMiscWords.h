#pragma once
#include <cstdint>

struct CityArrays;

// The MISC chunk's 1200 words: each carries one value of 32, 16 or 8 bits. The city keeps
// them as read, cut to their width, and writes them back widened again (16-bit values
// sign-extended, bytes zero-extended).
constexpr int kMiscFormatWord = 0;
constexpr int32_t kCityFormatNumber = 290;
constexpr int kMiscGraphWord = 29;
constexpr int kMiscViewWord = 1028;
constexpr int kMiscFirstNeighborWord = 438;

// 32, 16 or 8; 0 for the unused words 1071-1199 and for words outside the chunk.
int MiscWordWidth(int word);
// The value cut to the word's width and widened back to 32 bits, as stored and as written.
int32_t KeepMiscWidth(int word, int32_t value);

// Fills what the reader names from the kept words: the view position and the neighbour names.
void SpreadMiscWords(CityArrays& city);
// The words as the writer stores them: word 29 from graph 1's second value, the view
// position word 0.
void CollectMiscWords(const CityArrays& city, int32_t (&words)[1200]);
