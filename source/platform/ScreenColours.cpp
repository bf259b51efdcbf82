#include "platform/ScreenColours.h"

#include "platform/PrimarySurface.h"
#include "platform/SystemPalette.h"

namespace platform {
namespace {

uint32_t Pack(uint8_t red, uint8_t green, uint8_t blue) {
  return (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

int32_t Component(uint32_t colour, int shift) { return static_cast<int32_t>((colour >> shift) & 0xFF); }

}  // namespace

std::array<uint32_t, 256> ShownScreenColours() {
  std::array<uint32_t, 256> colours{};
  if (const PrimarySurface* primary = PrimarySurface::Current()) {
    const std::array<Rgb, 256> shown = primary->ShownColours();
    for (size_t i = 0; i < colours.size(); ++i) colours[i] = Pack(shown[i].red, shown[i].green, shown[i].blue);
    return colours;
  }
  std::array<PaletteEntry, 256> system{};
  GetSystemPaletteEntries(0, 256, system.data());
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = Pack(system[i].red, system[i].green, system[i].blue);
  return colours;
}

int32_t NearestColourIndex(const uint32_t* colours, int32_t count, uint32_t rgb) {
  uint32_t best = UINT32_MAX;
  int32_t index = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t red = Component(colours[i], 16) - Component(rgb, 16);
    const int32_t green = Component(colours[i], 8) - Component(rgb, 8);
    const int32_t blue = Component(colours[i], 0) - Component(rgb, 0);
    const auto distance = static_cast<uint32_t>(3 * red * red + 4 * green * green + 2 * blue * blue);
    if (distance >= best) continue;
    best = distance;
    index = i;
  }
  return index;
}

}  // namespace platform
