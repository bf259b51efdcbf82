#include "platform/SystemPalette.h"

#include <array>

#include "platform/StaticColours.h"

namespace platform {
namespace {

std::array<PaletteEntry, 256> StartingPalette() {
  std::array<PaletteEntry, 256> entries{};
  for (int32_t i = 0; i < 256; ++i) {
    if (!IsStaticColourIndex(i)) continue;
    const Rgb colour = StaticColour(i);
    entries[static_cast<size_t>(i)] = {colour.red, colour.green, colour.blue, 0};
  }
  return entries;
}

std::array<PaletteEntry, 256> gSystemPalette = StartingPalette();

}  // namespace

bool GetSystemPaletteEntries(uint32_t start, uint32_t count, PaletteEntry* entries) {
  if (!entries || start > 256 || count > 256 - start) return false;
  for (uint32_t i = 0; i < count; ++i) entries[i] = gSystemPalette[start + i];
  return true;
}

void RealizeSystemPalette(const PaletteEntry* entries) {
  if (!entries) return;
  for (int32_t i = kFirstGameColour; i <= kLastGameColour; ++i) {
    const PaletteEntry& entry = entries[i];
    if (entry.flags & kPaletteExplicit) continue;
    gSystemPalette[static_cast<size_t>(i)] = {entry.red, entry.green, entry.blue, 0};
  }
}

void ResetSystemPalette() { gSystemPalette = StartingPalette(); }

}  // namespace platform
