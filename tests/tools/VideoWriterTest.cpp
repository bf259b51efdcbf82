#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "videofiles/VideoCodeTree.h"
#include "videofiles/VideoWriter.h"

namespace {

TEST(VideoWriterTest, RoundsColoursToTheFilesSixBitLevels) {
  VideoWriter writer(4, 4, 100000);
  VideoColours colours{};
  colours[10] = {0, 128, 255};
  colours[11] = {3, 130, 66};
  const VideoColours shown = writer.SetPalette(colours);
  EXPECT_EQ(shown[10], (platform::Rgb{0, 130, 255}));
  EXPECT_EQ(shown[11], (platform::Rgb{4, 130, 65}));
}

TEST(VideoWriterTest, RefusesClipsTheFormatCannotHold) {
  auto frame = [](int32_t width, int32_t height) {
    return std::vector<uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height), 12);
  };
  const struct {
    const char* what;
    int32_t width, height;
    uint32_t frameMicroseconds;
    size_t frames;
    size_t framePixels;
    uint16_t channels;
    std::vector<int16_t> samples;
  } cases[] = {
      {"width not a multiple of 4", 66, 48, 100000, 1, 66 * 48, 0, {}},
      {"no height", 64, 0, 100000, 1, 0, 0, {}},
      {"wider than 4096", 4100, 4, 100000, 1, 4100 * 4, 0, {}},
      {"no frames", 64, 48, 100000, 0, 64 * 48, 0, {}},
      {"a frame of the wrong size", 64, 48, 100000, 2, 64 * 47, 0, {}},
      {"no frame time", 64, 48, 0, 1, 64 * 48, 0, {}},
      {"a frame time finer than 10 microseconds", 64, 48, 66667, 1, 64 * 48, 0, {}},
      {"three channels", 64, 48, 100000, 1, 64 * 48, 3, {1, 2, 3}},
      {"half a stereo frame", 64, 48, 100000, 1, 64 * 48, 2, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    VideoWriter writer(c.width, c.height, c.frameMicroseconds);
    for (size_t i = 0; i < c.frames; ++i) writer.AddFrame(std::vector<uint8_t>(c.framePixels, 12));
    if (c.channels) writer.SetSound(c.channels, 22050, c.samples);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(writer.Build(bytes, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
  VideoWriter fine(8, 8, 66670);
  fine.AddFrame(frame(8, 8));
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(fine.Build(bytes, error)) << error;
}

// A code deeper than the format allows falls back to a balanced tree; either way every
// value has its own code and none is the start of another.
TEST(VideoWriterTest, CodeTreesKeepWithinTheirDepth) {
  std::map<uint32_t, uint64_t> counts;
  uint64_t a = 1, b = 1;
  for (uint32_t value = 0; value < 20; ++value) {
    counts[value] = a;
    const uint64_t next = a + b;
    a = b;
    b = next;
  }
  for (int maxDepth : {5, 19, 500}) {
    const VideoCodeTree tree(counts, maxDepth);
    EXPECT_LE(tree.Depth(), maxDepth);
    EXPECT_EQ(tree.EntryCount(), 2 * counts.size() - 1);
    std::vector<std::vector<uint8_t>> codes;
    for (const auto& [value, count] : counts) {
      VideoBitWriter out;
      tree.WriteCode(out, value);
      std::vector<uint8_t> bits;
      for (size_t i = 0; i < out.BitCount(); ++i) bits.push_back((out.Bytes()[i / 8] >> (i % 8)) & 1);
      codes.push_back(bits);
    }
    for (size_t i = 0; i < codes.size(); ++i) {
      for (size_t j = 0; j < codes.size(); ++j) {
        if (i == j || codes[i].size() > codes[j].size()) continue;
        EXPECT_FALSE(std::equal(codes[i].begin(), codes[i].end(), codes[j].begin())) << i << " starts " << j;
      }
    }
  }
}

}  // namespace
