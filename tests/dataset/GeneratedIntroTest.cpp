// Checks the intro video of the data set the build generated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/IntroClip.h"
#include "platform/Process.h"
#include "platform/VideoFile.h"

namespace {

TEST(GeneratedIntroTest, DecodesWholeToTheFramesDrawn) {
  std::unique_ptr<platform::VideoFile> video =
      platform::VideoFile::Open(platform::ToGamePath(HALVORINE_DATA_SET "/smk/intro.smk"), platform::kVideoTrack1);
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

}  // namespace
