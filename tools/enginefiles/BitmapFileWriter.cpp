#include "enginefiles/BitmapFileWriter.h"

#include "enginefiles/ByteWriter.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"

namespace {

const char kBitmapFileTag[] = "PEL3DBMP";

}  // namespace

bool BitmapFileWriter::AddBitmap(uint32_t width, uint32_t height, const std::vector<uint8_t>& pixels,
                                 uint32_t flags) {
  if (pixels.size() != uint64_t{width} * height) return false;
  mImages.push_back({width, height, flags, pixels});
  return true;
}

std::vector<uint8_t> BitmapFileWriter::Build() const {
  ByteWriter out;
  out.Text(kBitmapFileTag, 8);
  out.U32(static_cast<uint32_t>(mImages.size()));
  out.U32(0);
  uint32_t offset = kBitmapFileHeaderSize + static_cast<uint32_t>(mImages.size()) * kBitmapDirectoryEntrySize;
  for (const Image& image : mImages) {
    out.U32(image.width);
    out.U32(image.height);
    out.U32(offset);
    offset += kBitmapHeaderSize + image.height * kRowOffsetSize + static_cast<uint32_t>(image.pixels.size());
  }
  for (const Image& image : mImages) {
    out.U32(image.width);
    out.U32(image.height);
    out.U32(image.flags);
    for (uint32_t row = 0; row < image.height; ++row) out.U32(row * image.width);
    out.Bytes(image.pixels);
  }
  return out.Result();
}

bool BitmapFileWriter::Save(const std::string& gamePath) const {
  std::vector<uint8_t> bytes = Build();
  return platform::SaveWholeFile(gamePath, bytes.data(), bytes.size(), platform::kPermissionReadableByAll);
}
