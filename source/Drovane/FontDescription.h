#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowMessages.h"
#include "platform/ProfileFile.h"

// What a bitmap font's description file says: the numbers of its "Header" and "Detail 1"
// sections, the glyph image's file name and one cell rectangle per glyph, in code order
// from the start character. A missing number reads as kMissingNumber, a missing text as "".
struct FontDescription {
  static constexpr int32_t kMissingNumber = -9999;

  int32_t pitch = kMissingNumber;
  int32_t height = kMissingNumber;
  int32_t language = kMissingNumber;
  int32_t characterSet = kMissingNumber;
  int32_t startCharacter = kMissingNumber;
  int32_t characterCount = kMissingNumber;
  std::string imageFileName;
  // Only the groups "RectChars" really holds: fewer than the count when the text ends or a
  // group does not read as four numbers.
  std::vector<platform::Rect> cells;
};

// Reads the description's keys from its profile text.
FontDescription ReadFontDescription(const platform::ProfileFile& profile);

// Up to count groups "left,top,right,bottom" separated by one or more spaces. Reading
// stops at the first group that is not four comma-separated numbers, and at the text's end.
std::vector<platform::Rect> ParseRectChars(const std::string& text, int32_t count);
