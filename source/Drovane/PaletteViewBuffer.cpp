#include "Drovane/PaletteViewBuffer.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "Drovane/DirectDrawObject.h"
#include "Drovane/GdiFont.h"
#include "Drovane/Languages.h"
#include "platform/SystemPalette.h"

using platform::PaletteEntry;
using platform::Rect;

namespace {

constexpr uint32_t kBackgroundIndex = 255;
constexpr int32_t kLabelHeight = 8;
constexpr int32_t kLabelGap = 1;
constexpr int32_t kLabelWidth = 79;

uint32_t ToColour(const PaletteEntry& entry) {
  return uint32_t{entry.red} << 16 | uint32_t{entry.green} << 8 | entry.blue;
}

// The screen palette when there is one. A display switch may build the view before the
// screen has its palette back: the system palette stands in then.
std::array<uint32_t, 256> ScreenPaletteColours() {
  PaletteEntry entries[256];
  if (!lpPalette || lpPalette->GetEntries(0, 256, entries) != platform::kResultOk) {
    platform::GetSystemPaletteEntries(0, 256, entries);
  }
  std::array<uint32_t, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = ToColour(entries[i]);
  return colours;
}

std::string LabelFace() {
  std::string face;
  if (!GetFontFaceForLanguage(0, 0, face)) face = "arial";
  return face;
}

}  // namespace

PaletteViewBuffer::PaletteViewBuffer() : CBackBuffer(kWidth, kHeight) {
  mColors = ScreenPaletteColours();
  Build();
}

PaletteViewBuffer::PaletteViewBuffer(const uint32_t* colours) : CBackBuffer(kWidth, kHeight) {
  std::copy(colours, colours + mColors.size(), mColors.begin());
  Build();
}

void PaletteViewBuffer::Build() {
  SetFont(new GdiFont(LabelFace(), kLabelHeight, 0, 0, 1));
  Draw();
}

Rect PaletteViewBuffer::SwatchRect(int32_t index) {
  const int32_t left = index / kSwatchesPerColumn * kColumnWidth;
  const int32_t top = index % kSwatchesPerColumn * kSwatchSize;
  return {left, top, left + kSwatchSize, top + kSwatchSize};
}

Rect PaletteViewBuffer::LabelRect(int32_t index) {
  const Rect swatch = SwatchRect(index);
  const int32_t left = swatch.right + kLabelGap;
  return {left, swatch.top, left + kLabelWidth, swatch.bottom};
}

void PaletteViewBuffer::Draw() {
  FillRect(kBackgroundIndex, nullptr);
  for (int32_t i = 0; i < 256; ++i) {
    const Rect swatch = SwatchRect(i);
    FillRect(static_cast<uint32_t>(i), &swatch);
    const uint32_t colour = mColors[static_cast<size_t>(i)];
    char label[32];
    std::snprintf(label, sizeof label, "%3d: %3u %3u %3u", i, colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF);
    Rect rect = LabelRect(i);
    DrawBufferText(label, -1, 0, &rect, nullptr);
  }
}

uint32_t PaletteViewBuffer::Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t, int32_t, int32_t, int32_t) {
  return CBackBuffer::Compose(dest, x, y, 0, 0, mWidth, mHeight);
}
