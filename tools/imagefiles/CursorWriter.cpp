#include "imagefiles/CursorWriter.h"

#include "enginefiles/ByteWriter.h"

namespace {

constexpr uint32_t kDirectorySize = 6 + 16;
constexpr uint32_t kInfoHeaderSize = 40;

// A mask as the file keeps it: bottom-up rows padded to 4 bytes.
void WriteMask(ByteWriter& out, const std::vector<uint8_t>& mask, int32_t height, uint32_t row, uint32_t fileRow) {
  for (int32_t y = height - 1; y >= 0; --y) {
    out.Bytes(mask.data() + static_cast<size_t>(y) * row, row);
    for (uint32_t pad = row; pad < fileRow; ++pad) out.U8(0);
  }
}

}  // namespace

std::vector<uint8_t> WriteCursorFile(int32_t width, int32_t height, int32_t hotX, int32_t hotY,
                                     const std::vector<uint8_t>& xorMask, const std::vector<uint8_t>& andMask) {
  const uint32_t row = (static_cast<uint32_t>(width) + 7) / 8;
  const uint32_t fileRow = (row + 3) & ~3u;
  const uint32_t imageSize = kInfoHeaderSize + 8 + 2 * fileRow * static_cast<uint32_t>(height);
  ByteWriter out;
  out.U16(0);
  out.U16(2);
  out.U16(1);
  out.U8(static_cast<uint8_t>(width));
  out.U8(static_cast<uint8_t>(height));
  out.U8(0);
  out.U8(0);
  out.U16(static_cast<uint16_t>(hotX));
  out.U16(static_cast<uint16_t>(hotY));
  out.U32(imageSize);
  out.U32(kDirectorySize);
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(2 * height));
  out.U16(1);
  out.U16(1);
  out.U32(0);
  out.U32(0);
  out.U32(0);
  out.U32(0);
  out.U32(2);
  out.U32(0);
  out.U32(0x000000);
  out.U32(0xFFFFFF);
  WriteMask(out, xorMask, height, row, fileRow);
  WriteMask(out, andMask, height, row, fileRow);
  return out.Result();
}
