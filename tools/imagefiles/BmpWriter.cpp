#include "imagefiles/BmpWriter.h"

#include "enginefiles/ByteWriter.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;

}  // namespace

std::vector<uint8_t> WriteBmp(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                              const std::vector<platform::Rgb>& colours, const BmpOptions& options) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) + 3) & ~3u;
  const uint32_t tableSize = static_cast<uint32_t>(colours.size()) * 4;
  const uint32_t pixelOffset = kFileHeaderSize + options.headerSize + tableSize;
  const uint32_t imageSize = rowBytes * static_cast<uint32_t>(height);
  ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(pixelOffset + imageSize);
  out.U32(0);
  out.U32(pixelOffset);
  out.U32(options.headerSize);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(options.topDown ? -height : height));
  out.U16(1);
  out.U16(8);
  out.U32(0);
  out.U32(imageSize);
  out.U32(2835);
  out.U32(2835);
  out.U32(colours.size() == 256 ? 0 : static_cast<uint32_t>(colours.size()));
  out.U32(0);
  for (uint32_t i = 40; i < options.headerSize; ++i) out.U8(0);
  for (const platform::Rgb& colour : colours) {
    out.U8(colour.blue);
    out.U8(colour.green);
    out.U8(colour.red);
    out.U8(0);
  }
  for (int32_t i = 0; i < height; ++i) {
    const int32_t row = options.topDown ? i : height - 1 - i;
    out.Bytes(pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(width), static_cast<size_t>(width));
    for (uint32_t pad = static_cast<uint32_t>(width); pad < rowBytes; ++pad) out.U8(0);
  }
  return out.Result();
}
