// Checks the intro video of the data set the build generated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "dataset/IntroClip.h"
#include "platform/Process.h"
#include "platform/VideoDemuxer.h"
#include "platform/VideoFile.h"

namespace {

std::string IntroPath() { return platform::ToGamePath(HALVORINE_DATA_SET "/smk/intro.smk"); }

TEST(GeneratedIntroTest, DecodesWholeToTheFramesDrawn) {
  std::unique_ptr<platform::VideoFile> video = platform::VideoFile::Open(IntroPath(), 0);
  ASSERT_TRUE(video);
  EXPECT_EQ(video->Width(), 640);
  EXPECT_EQ(video->Height(), 276);
  EXPECT_EQ(video->FrameCount(), kIntroFrames);
  EXPECT_EQ(video->FrameMicroseconds(), kIntroFrameMicroseconds);
  std::vector<uint8_t> pixels(640 * 276);
  video->SetTarget({pixels.data(), 640, 640, 276, 0, 0});
  for (int32_t frame = 0; frame < video->FrameCount(); ++frame) {
    ASSERT_TRUE(video->DecodeFrame()) << frame;
    ASSERT_EQ(pixels, DrawIntroFrame(frame)) << frame;
    for (uint8_t index : pixels) ASSERT_TRUE(index >= 10 && index <= 245) << "frame " << frame;
    video->NextFrame();
  }
  const VideoColours drawn = IntroColours();
  for (size_t i = 10; i <= 245; ++i) {
    EXPECT_NEAR(video->Palette()[i].red, drawn[i].red, 2) << i;
    EXPECT_NEAR(video->Palette()[i].green, drawn[i].green, 2) << i;
    EXPECT_NEAR(video->Palette()[i].blue, drawn[i].blue, 2) << i;
  }
}

// The soundtrack lasts as long as the frames and is neither silent nor clipped flat.
TEST(GeneratedIntroTest, CarriesItsSoundtrackAsMono16BitPcm) {
  std::unique_ptr<platform::VideoDemuxer> demuxer = platform::VideoDemuxer::Open(IntroPath());
  ASSERT_TRUE(demuxer);
  platform::SoundFormat format;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(demuxer->ReadFirstTrack(format, bytes));
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.samplesPerSecond, 22050u);
  const double seconds = static_cast<double>(bytes.size()) / 2 / 22050;
  EXPECT_NEAR(seconds, kIntroFrames * kIntroFrameMicroseconds / 1e6, 0.01);
  int32_t loudest = 0;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    loudest = std::max(loudest, std::abs(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8) + 0));
  }
  EXPECT_GT(loudest, 16000);
  EXPECT_LT(loudest, 32767);
}

}  // namespace
