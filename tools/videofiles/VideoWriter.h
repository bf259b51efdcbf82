#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/StaticColours.h"
#include "videofiles/VideoFrameCoder.h"

class ByteWriter;

using VideoColours = std::array<platform::Rgb, 256>;

// Writes a video file (".smk") of 8-bit frames in one palette, with an optional track of
// 16-bit PCM sound spread over the frames. Frames are coded in 4 x 4 blocks: unchanged
// blocks are skipped, blocks of one colour filled, the rest given pixel by pixel, with
// Huffman codes built from the clip's own blocks.
class VideoWriter {
public:
  // The largest width and height a clip may have.
  static constexpr int32_t kMaxSide = 4096;

  // width and height are multiples of 4 from 4 to kMaxSide. The frame time is whole
  // milliseconds or a multiple of 10 microseconds.
  VideoWriter(int32_t width, int32_t height, uint32_t frameMicroseconds);

  // The file keeps 6 bits a colour channel: each channel is rounded to the nearest level
  // it can hold. Returns the colours a reader gets back.
  VideoColours SetPalette(const VideoColours& colours);
  // width * height palette indexes, row by row from the top.
  void AddFrame(std::vector<uint8_t> pixels);
  // 16-bit samples, left and right interleaved for stereo; each frame carries its share.
  void SetSound(uint16_t channels, uint32_t samplesPerSecond, std::vector<int16_t> samples);

  // The file's bytes; false, with the reason, when the clip cannot be written.
  bool Build(std::vector<uint8_t>& bytes, std::string& error) const;
  // Writes the file at a game path, readable by everyone.
  bool Save(const std::string& gamePath, std::string& error) const;

private:
  class TableCodes;
  using Tables = std::array<std::unique_ptr<TableCodes>, 4>;

  bool Check(std::string& error) const;
  void WriteHeader(ByteWriter& out, const Tables& tables, uint32_t treeBytes, uint32_t largestSound) const;
  static std::vector<uint8_t> FrameBytes(std::vector<uint8_t> frame, const std::vector<uint8_t>& sound,
                                         const std::vector<VideoSymbol>& symbols, const Tables& tables);
  std::vector<uint8_t> PaletteChunk() const;
  std::vector<uint8_t> SoundChunk(size_t frame) const;
  int32_t FrameRateField() const;

  int32_t mWidth;
  int32_t mHeight;
  uint32_t mFrameMicroseconds;
  // The palette in the file's 6-bit levels.
  std::array<std::array<uint8_t, 3>, 256> mLevels{};
  std::vector<std::vector<uint8_t>> mFrames;
  uint16_t mChannels = 0;
  uint32_t mSamplesPerSecond = 0;
  std::vector<int16_t> mSamples;
};

// The 8-bit value a reader shows for a 6-bit colour level.
constexpr uint8_t VideoColourOfLevel(uint8_t level) { return static_cast<uint8_t>((level << 2) | (level >> 4)); }
