#pragma once
#include <cstdint>
#include <vector>

// One of the toolkit's control bitmaps: its size and pixels (rows top-down).
struct ControlImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
};

// The push button: disabled, up and pressed, 80 x 32 each.
ControlImage ButtonImage();
// The check box and the radio button: off and on disabled, off and on, 20 x 20 each.
ControlImage CheckBoxImage();
ControlImage RadioButtonImage();
