#pragma once
#include <cstdint>
#include <vector>

#include "platform/DisplayDevice.h"

// An 8-bit picture in the PCX form: a 128-byte header, the rows run-length encoded top row
// first, then the byte 12 and 256 colours of red, green and blue.

// Appends one row of width pixels, encoded: runs of up to 63 copies of a byte as
// 0xC0 | count and the byte, a lone byte of 0xC0 or more as 0xC1 and the byte, any other
// lone byte as itself. Runs end at the row's end. Returns width.
int32_t EncodePcxRow(std::vector<uint8_t>& out, const uint8_t* pixels, int32_t width);

// The whole file of a picture of height rows, pitch bytes apart.
std::vector<uint8_t> EncodePcxImage(const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch,
                                    const platform::PaletteEntry (&palette)[256]);
