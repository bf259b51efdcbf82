#include "Drovane/CompressedRows.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr uint8_t kLiteral = 1;
constexpr uint8_t kRepeat = 2;
constexpr uint8_t kSkip = 3;
constexpr uint8_t kKeyed = 4;

// The bytes of a run's pixels after its kind and count bytes.
uint32_t PixelBytes(uint8_t kind, uint32_t count) {
  if (kind == kLiteral || kind == kKeyed) return count;
  return kind == kRepeat ? 1 : 0;
}

// One row's runs from column -leftSkip; pixels at columns 0 to visibleWidth - 1 are drawn.
void DecodeRow(uint8_t* row, const uint8_t* run, const uint8_t* rowEnd, int32_t leftSkip, int32_t visibleWidth,
               uint8_t key) {
  int64_t column = -int64_t{leftSkip};
  while (rowEnd - run >= 2 && column < visibleWidth) {
    const uint8_t kind = run[0];
    const uint32_t count = uint32_t{run[1]} + 1;
    const uint8_t* pixels = run + 2;
    if (static_cast<uint32_t>(rowEnd - pixels) < PixelBytes(kind, count)) return;
    run = pixels + PixelBytes(kind, count);
    if (kind < kLiteral || kind > kKeyed) continue;
    const int64_t from = std::max<int64_t>(column, 0);
    const int64_t to = kind == kSkip ? from : std::min<int64_t>(column + count, visibleWidth);
    for (int64_t x = from; x < to; ++x) {
      const uint8_t value = kind == kRepeat ? pixels[0] : pixels[x - column];
      if (kind == kKeyed && value == key) continue;
      row[x] = value;
    }
    column += count;
  }
}

}  // namespace

uint32_t CompressedRowLength(const uint8_t* rows, const uint8_t* end) {
  if (end - rows < 2) return 0;
  const uint32_t length = uint32_t{rows[0]} | uint32_t{rows[1]} << 8;
  if (length < 2 || length > static_cast<uint32_t>(end - rows)) return 0;
  return length;
}

int32_t DecodeRowsUnclipped(uint8_t* first, int32_t stride, const uint8_t* rows, const uint8_t* end,
                            int32_t rowCount, int32_t width, uint8_t key) {
  return DecodeRowsClipped(first, stride, rows, end, 0, width, rowCount, key);
}

int32_t DecodeRowsClipped(uint8_t* first, int32_t stride, const uint8_t* rows, const uint8_t* end,
                          int32_t leftSkip, int32_t visibleWidth, int32_t rowCount, uint8_t key) {
  int32_t decoded = 0;
  for (; decoded < rowCount; ++decoded) {
    const uint32_t length = CompressedRowLength(rows, end);
    if (length == 0) break;
    DecodeRow(first + static_cast<ptrdiff_t>(decoded) * stride, rows + 2, rows + length, leftSkip, visibleWidth, key);
    rows += length;
  }
  return decoded;
}
