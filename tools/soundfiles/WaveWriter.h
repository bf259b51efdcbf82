#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Ways to damage a written file on purpose, for the readers' tests; they combine.
enum WaveDamage : uint32_t {
  kWaveIntact = 0,
  // The file ends halfway through the samples; the sizes still announce all of them.
  kWaveCutData = 0x1,
  // The "data" chunk and the "RIFF" chunk claim 4096 bytes more than the file holds.
  kWaveSizesPastEnd = 0x2,
  // The "fmt " chunk holds 14 bytes: the bits per sample are missing.
  kWaveShortFormat = 0x4,
  // No "data" chunk.
  kWaveNoData = 0x8,
};

// Builds a PCM WAVE file: "RIFF" of form "WAVE" holding the chunks added to come before the
// format, the "fmt " chunk, the "data" chunk and the chunks added to come after it. A chunk
// of odd size is followed by a pad byte, counted in the "RIFF" size.
class WaveWriter {
public:
  // 8-bit samples are unsigned, 16-bit ones signed; stereo frames are left, right.
  WaveWriter(uint16_t channels, uint16_t bitsPerSample, uint32_t samplesPerSecond);

  // The sample bytes as they are stored.
  void SetSampleBytes(std::vector<uint8_t> bytes);
  void SetSamples16(const std::vector<int16_t>& samples);
  // A chunk of another kind; false unless the tag has 4 characters.
  bool AddChunkBefore(const std::string& tag, const std::vector<uint8_t>& bytes);
  bool AddChunkAfter(const std::string& tag, const std::vector<uint8_t>& bytes);
  void SetDamage(uint32_t damage) { mDamage = damage; }

  std::vector<uint8_t> Build() const;
  // Writes the file at a game path; false when it cannot be written.
  bool Save(const std::string& gamePath) const;

private:
  struct Chunk {
    std::string tag;
    std::vector<uint8_t> bytes;
  };

  static bool AddChunk(std::vector<Chunk>& chunks, const std::string& tag, const std::vector<uint8_t>& bytes);
  std::vector<uint8_t> FormatBytes() const;

  uint16_t mChannels;
  uint16_t mBitsPerSample;
  uint32_t mSamplesPerSecond;
  std::vector<uint8_t> mSamples;
  std::vector<Chunk> mBefore;
  std::vector<Chunk> mAfter;
  uint32_t mDamage = kWaveIntact;
};
