#pragma once
#include <cstdint>
#include <vector>

// The four code tables of the video format, in the order the file keeps them.
enum VideoTable : uint8_t {
  kVideoTableMonoMap = 0,
  kVideoTableMonoColours = 1,
  kVideoTableFull = 2,
  kVideoTableType = 3,
  kVideoTableCount = 4,
};

// One value to be coded with one of the tables.
struct VideoSymbol {
  VideoTable table;
  uint16_t value;
};

// The codes of one frame in the 4 x 4 blocks the format draws, taken in raster order: a block
// equal to the previous frame's is skipped, a block of one colour is filled, any other is
// given whole, two pixels a code. Blocks of one kind in a row share a run. width and height
// are multiples of 4; previous is null for the first frame, which skips nothing.
std::vector<VideoSymbol> CodeVideoFrame(const uint8_t* pixels, const uint8_t* previous, int32_t width, int32_t height);
