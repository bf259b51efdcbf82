#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/DisplayDevice.h"

using PaletteEntries = std::array<platform::PaletteEntry, 256>;

// The bytes of a palette file that are read: the RIFF header, the "data" chunk's version
// and count, and 256 entries.
constexpr size_t kPaletteFileSize = 1048;

// Reads a RIFF "PAL " palette (version 0x0300, 1 to 256 entries of red, green, blue and
// flags). Entries past the count, or past the end of the bytes, are black. False when the
// header is not that of a palette file; entries are then unchanged.
bool ParsePaletteFile(const uint8_t* data, size_t size, PaletteEntries& entries);

// The 3-3-2 colour cube: three bits of red, three of green and two of blue.
PaletteEntries DefaultPalette332();

// An 8-bit palette made through the display object from the palette file, or from the
// 3-3-2 cube (with a debug line) when the file does not open or is not a palette. Null
// when there is no display object or it makes no palette.
platform::DisplayPalette* LoadPaletteFile(const char* fileName);
