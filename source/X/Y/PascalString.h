#pragma once
#include <cstdint>
#include <string>

// Pascal strings: one length byte (0 to 255), then that many characters, no terminator.
// Buffers that receive one hold kPStrBufferSize bytes.
constexpr int kPStrBufferSize = 256;
constexpr int kLongestPStr = 255;

// A four-character code from the first four characters, the first in the top byte; 0 for
// the empty string. A shorter name is reported and its first four bytes are still taken.
uint32_t PStrToUInt32(const uint8_t* name);

// Writes the C string as a Pascal string into a buffer of kPStrBufferSize bytes: cut to 255
// characters, with a zero behind them when there is room.
void CStrToPStr(const char* text, uint8_t* name);
// In place: a C string becomes a Pascal string (cut to 255 characters), and back.
void CtoPstr(char* buffer);
void PtoCstr(uint8_t* buffer);

// Appends as many characters of the source as fit a destination of capacity bytes (the
// length byte included, never more than kPStrBufferSize).
void AppendPStr(const uint8_t* source, uint8_t* destination, uint16_t capacity);
void AppendCStr(const char* source, uint8_t* destination, uint16_t capacity);

// -1, 0 or 1, the letters a to z taken as A to Z; a shorter string that is a prefix of the
// other is the smaller.
int ComparePStr(const uint8_t* a, const uint8_t* b);

// The characters of a Pascal string, and a Pascal string from up to 255 characters.
std::string PStrText(const uint8_t* name);
void SetPStr(uint8_t* name, const std::string& text);
