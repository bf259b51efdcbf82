#include "bodysheet/SheetLabels.h"

#include <string>

namespace {

// Rows of each digit, top first, the high bit of 5 the leftmost pixel.
constexpr uint8_t kDigits[10][7] = {
    {14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},   {14, 17, 1, 2, 4, 8, 31},
    {31, 2, 4, 2, 1, 17, 14},     {2, 6, 10, 18, 31, 2, 2},  {31, 16, 30, 1, 1, 17, 14},
    {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},    {14, 17, 17, 14, 17, 17, 14},
    {14, 17, 17, 15, 1, 2, 12},
};

}  // namespace

void DrawNumber(uint8_t* pixels, int32_t pitch, int32_t left, int32_t top, uint32_t number, uint8_t colour) {
  const std::string text = std::to_string(number);
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t* digit = kDigits[text[i] - '0'];
    for (int32_t y = 0; y < 7; ++y) {
      for (int32_t x = 0; x < 5; ++x) {
        if (digit[y] & (16 >> x)) pixels[(top + y) * pitch + left + static_cast<int32_t>(i) * 6 + x] = colour;
      }
    }
  }
}
