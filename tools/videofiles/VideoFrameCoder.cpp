#include "videofiles/VideoFrameCoder.h"

#include <array>
#include <cstring>

namespace {

enum BlockKind : uint16_t { kBlockFull = 1, kBlockSkip = 2, kBlockFill = 3 };

// The run lengths a type code can name, by its run index.
constexpr std::array<int32_t, 64> kRuns = [] {
  std::array<int32_t, 64> runs{};
  for (int32_t i = 0; i < 59; ++i) runs[static_cast<size_t>(i)] = i + 1;
  runs[59] = 128;
  runs[60] = 256;
  runs[61] = 512;
  runs[62] = 1024;
  runs[63] = 2048;
  return runs;
}();

struct Block {
  BlockKind kind;
  uint8_t colour;
  bool operator==(const Block&) const = default;
};

class FrameCoder {
public:
  FrameCoder(const uint8_t* pixels, const uint8_t* previous, int32_t width, int32_t height)
      : mPixels(pixels), mPrevious(previous), mWidth(width), mColumns(width / 4), mBlocks(width / 4 * (height / 4)) {}

  std::vector<VideoSymbol> Code() {
    int32_t start = 0;
    while (start < mBlocks) {
      const Block block = Classify(start);
      int32_t end = start + 1;
      while (end < mBlocks && Classify(end) == block) ++end;
      CodeGroup(block, start, end - start);
      start = end;
    }
    return std::move(mSymbols);
  }

private:
  const uint8_t* BlockRow(const uint8_t* frame, int32_t block, int32_t row) const {
    return frame + (static_cast<size_t>(block / mColumns) * 4 + static_cast<size_t>(row)) * static_cast<size_t>(mWidth) +
           static_cast<size_t>(block % mColumns) * 4;
  }

  Block Classify(int32_t block) const {
    bool same = mPrevious != nullptr;
    bool oneColour = true;
    const uint8_t first = BlockRow(mPixels, block, 0)[0];
    for (int32_t row = 0; row < 4; ++row) {
      const uint8_t* here = BlockRow(mPixels, block, row);
      if (same && std::memcmp(here, BlockRow(mPrevious, block, row), 4) != 0) same = false;
      for (int32_t column = 0; column < 4; ++column) oneColour = oneColour && here[column] == first;
    }
    if (same) return {kBlockSkip, 0};
    if (oneColour) return {kBlockFill, first};
    return {kBlockFull, 0};
  }

  // Runs of the longest lengths the table names that fit, then each full block's pixels.
  void CodeGroup(const Block& block, int32_t start, int32_t count) {
    while (count > 0) {
      size_t index = kRuns.size() - 1;
      while (kRuns[index] > count) --index;
      const uint16_t type = static_cast<uint16_t>(block.kind | (index << 2) | (block.colour << 8));
      mSymbols.push_back({kVideoTableType, type});
      if (block.kind == kBlockFull) {
        for (int32_t i = 0; i < kRuns[index]; ++i) CodeFullBlock(start + i);
      }
      start += kRuns[index];
      count -= kRuns[index];
    }
  }

  // Row by row, the code of columns 2 and 3 before the code of columns 0 and 1.
  void CodeFullBlock(int32_t block) {
    for (int32_t row = 0; row < 4; ++row) {
      const uint8_t* here = BlockRow(mPixels, block, row);
      mSymbols.push_back({kVideoTableFull, static_cast<uint16_t>(here[2] | (here[3] << 8))});
      mSymbols.push_back({kVideoTableFull, static_cast<uint16_t>(here[0] | (here[1] << 8))});
    }
  }

  const uint8_t* mPixels;
  const uint8_t* mPrevious;
  int32_t mWidth;
  int32_t mColumns;
  int32_t mBlocks;
  std::vector<VideoSymbol> mSymbols;
};

}  // namespace

std::vector<VideoSymbol> CodeVideoFrame(const uint8_t* pixels, const uint8_t* previous, int32_t width, int32_t height) {
  return FrameCoder(pixels, previous, width, height).Code();
}
