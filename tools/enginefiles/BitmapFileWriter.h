#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds an engine bitmap file: the bitmap count, a directory entry per bitmap ({width,
// height, file offset of the bitmap}, which the engine skips), then each bitmap as {width,
// height, flags}, its row-offset table (row k at k x width) and its pixels.
class BitmapFileWriter {
public:
  // Pixels are width x height palette indices, top row first; false when they are not.
  bool AddBitmap(uint32_t width, uint32_t height, const std::vector<uint8_t>& pixels, uint32_t flags = 0);
  // How many bitmaps were added: the index the next one gets.
  std::size_t Count() const { return mImages.size(); }

  std::vector<uint8_t> Build() const;
  // Writes the file at a game path; false when it cannot be written.
  bool Save(const std::string& gamePath) const;

private:
  struct Image {
    uint32_t width;
    uint32_t height;
    uint32_t flags;
    std::vector<uint8_t> pixels;
  };
  std::vector<Image> mImages;
};
