#pragma once
#include <array>
#include <cstdint>

#include "Drovane/BackBuffer.h"

// A debugging aid: a 600 x 440 picture of the screen palette's 256 colours, each a 10 x 10
// swatch with its index and its red, green and blue values, in six columns of 44.
class PaletteViewBuffer : public CBackBuffer {
public:
  static constexpr int32_t kWidth = 600;
  static constexpr int32_t kHeight = 440;
  static constexpr int32_t kSwatchesPerColumn = 44;
  static constexpr int32_t kColumnWidth = 100;
  static constexpr int32_t kSwatchSize = 10;

  // Shows the screen's palette, or the system palette while the screen has none.
  PaletteViewBuffer();
  // Shows these 256 colours (0x00RRGGBB).
  explicit PaletteViewBuffer(const uint32_t* colours);

  // Draws the swatches and their labels.
  void Draw();
  // The whole view into dest at (x, y), whatever source rectangle is asked for.
  uint32_t Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                   int32_t srcBottom) override;

  // The swatch of a palette index.
  static platform::Rect SwatchRect(int32_t index);
  // Where the index's label is drawn.
  static platform::Rect LabelRect(int32_t index);

  // The colours shown, 0x00RRGGBB.
  std::array<uint32_t, 256> mColors{};

private:
  void Build();
};
