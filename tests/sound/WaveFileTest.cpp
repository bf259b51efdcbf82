#include <gtest/gtest.h>

#include <cstring>

#include "sound/WaveFile.h"
#include "soundfiles/WaveWriter.h"
#include "support/TempFolder.h"

namespace {

struct Opened {
  uint32_t openResult = 0;
  uint32_t seekResult = 0;
  WaveFormat format;
  std::vector<uint8_t> data;
};

Opened ReadWave(const TempFolder& folder, const std::vector<uint8_t>& bytes, uint32_t portion = 1000) {
  folder.Write("f.wav", std::string(bytes.begin(), bytes.end()));
  Opened opened;
  WaveFileHandle file;
  platform::RiffChunk riff;
  opened.openResult = OpenWaveFile(folder.Game("f.wav"), file, opened.format, riff);
  if (opened.openResult != kWaveOk) {
    EXPECT_EQ(file, nullptr);
    return opened;
  }
  platform::RiffChunk data;
  opened.seekResult = SeekWaveData(*file, data, riff);
  if (opened.seekResult != kWaveOk) return opened;
  std::vector<uint8_t> part(portion);
  for (;;) {
    uint32_t read = 0;
    EXPECT_EQ(ReadWaveData(*file, portion, part.data(), data, read), kWaveOk);
    opened.data.insert(opened.data.end(), part.begin(), part.begin() + read);
    if (read < portion) break;
  }
  CloseWaveFile(file);
  EXPECT_EQ(file, nullptr);
  return opened;
}

std::vector<uint8_t> Samples(size_t count) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return bytes;
}

TEST(WaveFile, ReadsEachAcceptedFormatWholeInPortions) {
  struct Case {
    uint16_t channels, bits;
    uint32_t rate;
  };
  TempFolder folder;
  for (Case c : {Case{1, 8, 11025}, Case{2, 8, 22050}, Case{1, 16, 22050}, Case{2, 16, 44100}}) {
    SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits");
    WaveWriter writer(c.channels, c.bits, c.rate);
    std::vector<uint8_t> samples = Samples(2400 * c.channels * c.bits / 8);
    writer.SetSampleBytes(samples);
    ASSERT_TRUE(writer.AddChunkBefore("junk", {1, 2, 3}));
    Opened opened = ReadWave(folder, writer.Build(), 333);
    ASSERT_EQ(opened.openResult, kWaveOk);
    ASSERT_EQ(opened.seekResult, kWaveOk);
    EXPECT_EQ(opened.format.formatTag, platform::kWaveFormatPcm);
    EXPECT_EQ(opened.format.channels, c.channels);
    EXPECT_EQ(opened.format.bitsPerSample, c.bits);
    EXPECT_EQ(opened.format.samplesPerSecond, c.rate);
    EXPECT_EQ(opened.format.blockAlign, c.channels * c.bits / 8);
    EXPECT_EQ(opened.format.extraSize, 0);
    EXPECT_EQ(opened.data, samples);
  }
}

TEST(WaveFile, AFormatOtherThanPcmHasItsExtraCountRead) {
  TempFolder folder;
  WaveWriter writer(1, 8, 22050);
  writer.SetSampleBytes(Samples(10));
  std::vector<uint8_t> bytes = writer.Build();
  // "fmt " at 12: make its tag 2 and its size 18, with an extra count of 5 in the data that follows.
  size_t format = 12;
  ASSERT_EQ(std::memcmp(bytes.data() + format, "fmt ", 4), 0);
  bytes[format + 4] = 18;
  bytes[format + 8] = 2;
  bytes.insert(bytes.begin() + format + 8 + 16, {5, 0});
  bytes[4] += 2;
  Opened opened = ReadWave(folder, bytes);
  ASSERT_EQ(opened.openResult, kWaveOk);
  EXPECT_EQ(opened.format.formatTag, 2);
  EXPECT_EQ(opened.format.extraSize, 5);
}

TEST(WaveFile, DamagedFilesAreRejectedWithTheirCodes) {
  TempFolder folder;
  WaveWriter good(1, 16, 22050);
  good.SetSamples16(std::vector<int16_t>(500, 100));
  std::vector<uint8_t> notRiff = good.Build();
  std::memcpy(notRiff.data(), "RIFX", 4);
  std::vector<uint8_t> notWave = good.Build();
  std::memcpy(notWave.data() + 8, "AVI ", 4);
  std::vector<uint8_t> noFormat = good.Build();
  std::memcpy(noFormat.data() + 12, "fmtx", 4);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    uint32_t open, seek;
  };
  auto damaged = [&](uint32_t damage) {
    WaveWriter writer = good;
    writer.SetDamage(damage);
    return writer.Build();
  };
  std::vector<Case> cases = {
      {"not RIFF", notRiff, kWaveNotWave, 0},
      {"not WAVE", notWave, kWaveNotWave, 0},
      {"no fmt", noFormat, platform::kRiffChunkNotFound, 0},
      {"short fmt", damaged(kWaveShortFormat), kWaveNotWave, 0},
      {"no data", damaged(kWaveNoData), kWaveOk, platform::kRiffChunkNotFound},
      {"cut data", damaged(kWaveCutData), kWaveOk, kWaveTruncated},
      {"size past the end", damaged(kWaveSizesPastEnd), kWaveOk, kWaveTruncated},
      {"empty file", {}, platform::kRiffChunkNotFound, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Opened opened = ReadWave(folder, c.bytes);
    EXPECT_EQ(opened.openResult, c.open);
    if (c.open == kWaveOk) {
      EXPECT_EQ(opened.seekResult, c.seek);
    }
  }
}

TEST(WaveFile, AMissingFileCannotBeOpened) {
  TempFolder folder;
  WaveFileHandle file;
  WaveFormat format;
  platform::RiffChunk riff;
  EXPECT_EQ(OpenWaveFile(folder.Game("none.wav"), file, format, riff), kWaveCannotOpen);
}

TEST(WaveFile, SeekingAgainRewindsTheData) {
  TempFolder folder;
  WaveWriter writer(1, 8, 8000);
  std::vector<uint8_t> samples = Samples(50);
  writer.SetSampleBytes(samples);
  folder.Write("f.wav", [&] {
    std::vector<uint8_t> bytes = writer.Build();
    return std::string(bytes.begin(), bytes.end());
  }());
  WaveFileHandle file;
  WaveFormat format;
  platform::RiffChunk riff, data;
  ASSERT_EQ(OpenWaveFile(folder.Game("f.wav"), file, format, riff), kWaveOk);
  std::vector<uint8_t> read(60);
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_EQ(SeekWaveData(*file, data, riff), kWaveOk);
    uint32_t count = 0;
    ASSERT_EQ(ReadWaveData(*file, 60, read.data(), data, count), kWaveOk);
    ASSERT_EQ(count, 50u);
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), read.begin()));
  }
}

}  // namespace
