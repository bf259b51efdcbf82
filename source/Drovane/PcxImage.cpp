#include "Drovane/PcxImage.h"

#include <cstddef>

namespace {

constexpr size_t kHeaderSize = 128;
constexpr int32_t kLongestRun = 63;
constexpr uint8_t kRunMark = 0xC0;
constexpr uint8_t kPaletteMarker = 12;

void PutWord(std::vector<uint8_t>& out, size_t at, int32_t value) {
  out[at] = static_cast<uint8_t>(value & 0xFF);
  out[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

std::vector<uint8_t> Header(int32_t width, int32_t height) {
  std::vector<uint8_t> header(kHeaderSize, 0);
  header[0] = 10;  // manufacturer
  header[1] = 5;   // version
  header[2] = 1;   // run-length encoded
  header[3] = 8;   // bits per pixel
  PutWord(header, 8, width - 1);
  PutWord(header, 10, height - 1);
  header[65] = 1;  // colour planes
  PutWord(header, 66, width);
  return header;
}

}  // namespace

// A run of r + 1 equal bytes is written as r copies: its last copy starts what follows.
int32_t EncodePcxRow(std::vector<uint8_t>& out, const uint8_t* pixels, int32_t width) {
  int32_t p = 0;
  while (p < width) {
    int32_t r = 0;
    while (p + r + 1 < width && pixels[p + r + 1] == pixels[p + r] && r < kLongestRun) ++r;
    if (r == 0) {
      if (pixels[p] >= kRunMark) out.push_back(kRunMark | 1);
      out.push_back(pixels[p]);
      ++p;
    } else {
      out.push_back(static_cast<uint8_t>(kRunMark | r));
      out.push_back(pixels[p]);
      p += r;
    }
  }
  return width;
}

std::vector<uint8_t> EncodePcxImage(const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch,
                                    const platform::PaletteEntry (&palette)[256]) {
  std::vector<uint8_t> file = Header(width, height);
  for (int32_t y = 0; y < height; ++y) EncodePcxRow(file, pixels + static_cast<ptrdiff_t>(y) * pitch, width);
  file.push_back(kPaletteMarker);
  for (const platform::PaletteEntry& entry : palette) {
    file.push_back(entry.red);
    file.push_back(entry.green);
    file.push_back(entry.blue);
  }
  return file;
}
