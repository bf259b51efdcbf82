#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/SilentSoundFixture.h"
#include "platform/VideoDemuxer.h"
#include "platform/VideoFile.h"
#include "platform/VideoSound.h"
#include "support/VideoClips.h"

namespace platform {
namespace {

SoundDevice* gTestDevice = nullptr;

class VideoSoundTest : public SilentSoundFixture {
protected:
  void SetUp() override {
    SilentSoundFixture::SetUp();
    gTestDevice = device.get();
    SetVideoSoundDeviceSource([] { return gTestDevice; });
  }
  void TearDown() override {
    SetVideoSoundDeviceSource(nullptr);
    gTestDevice = nullptr;
    SilentSoundFixture::TearDown();
  }
  static bool DecodeFrame(VideoFile& video) {
    pixels.assign(static_cast<size_t>(video.Width()) * static_cast<size_t>(video.Height()), 0);
    video.SetTarget({pixels.data(), video.Width(), video.Width(), video.Height(), 0, 0});
    return video.DecodeFrame();
  }

  static inline std::vector<uint8_t> pixels;
  TestClipFolder clips;
};

TEST_F(VideoSoundTest, TheFirstTrackReadsBackAsTheSamplesWritten) {
  for (uint16_t channels : {1, 2}) {
    for (int32_t soundFrames : {3, 1000, 22050}) {
      const TestClip clip{64, 48, 5, 100000, channels, soundFrames};
      std::unique_ptr<VideoDemuxer> demuxer = VideoDemuxer::Open(clips.Save(clip));
      ASSERT_TRUE(demuxer);
      SoundFormat format;
      std::vector<uint8_t> bytes;
      ASSERT_TRUE(demuxer->ReadFirstTrack(format, bytes)) << channels << " " << soundFrames;
      EXPECT_EQ(format.channels, channels);
      EXPECT_EQ(format.bitsPerSample, 16);
      EXPECT_EQ(format.samplesPerSecond, 22050u);
      const std::vector<int16_t> written = TestClipSamples(clip);
      std::vector<int16_t> read(bytes.size() / 2);
      std::memcpy(read.data(), bytes.data(), bytes.size());
      EXPECT_EQ(read, written);
    }
  }
}

TEST_F(VideoSoundTest, AClipWithoutSoundHasNoTrack) {
  std::unique_ptr<VideoDemuxer> demuxer = VideoDemuxer::Open(clips.Save(TestClip{}));
  ASSERT_TRUE(demuxer);
  SoundFormat format;
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(demuxer->ReadFirstTrack(format, bytes));
}

TEST_F(VideoSoundTest, PlaysFromTheFirstFrameAndAgainWhenTheVideoStartsOver) {
  std::unique_ptr<VideoFile> video = VideoFile::Open(clips.Save(TestClip{64, 48, 2, 100000, 1, 4410}), kVideoTrack1);
  ASSERT_TRUE(video);
  EXPECT_FALSE(video->IsSoundPlaying());
  ASSERT_TRUE(DecodeFrame(*video));
  EXPECT_TRUE(video->IsSoundPlaying());
  AdvanceMs(250);
  EXPECT_FALSE(video->IsSoundPlaying()) << "the track is 200 ms long";
  video->NextFrame();
  ASSERT_TRUE(DecodeFrame(*video));
  EXPECT_FALSE(video->IsSoundPlaying());
  video->NextFrame();
  ASSERT_TRUE(DecodeFrame(*video));
  EXPECT_TRUE(video->IsSoundPlaying());
}

TEST_F(VideoSoundTest, SoundOffStopsItAndKeepsItFromStartingAgain) {
  std::unique_ptr<VideoFile> video = VideoFile::Open(clips.Save(TestClip{64, 48, 1, 100000, 2, 22050}), kVideoTrack1);
  ASSERT_TRUE(video);
  ASSERT_TRUE(DecodeFrame(*video));
  ASSERT_TRUE(video->IsSoundPlaying());
  video->SetSoundOn(false);
  EXPECT_FALSE(video->IsSoundPlaying());
  video->NextFrame();
  ASSERT_TRUE(DecodeFrame(*video));
  EXPECT_FALSE(video->IsSoundPlaying());
}

TEST_F(VideoSoundTest, IsSilentWithoutTheTrackFlagOrADevice) {
  const std::string path = clips.Save(TestClip{64, 48, 1, 100000, 1, 4410});
  std::unique_ptr<VideoFile> unasked = VideoFile::Open(path, 0);
  SetVideoSoundDeviceSource(nullptr);
  std::unique_ptr<VideoFile> deviceless = VideoFile::Open(path, kVideoTrack1);
  for (VideoFile* video : {unasked.get(), deviceless.get()}) {
    ASSERT_TRUE(video);
    ASSERT_TRUE(DecodeFrame(*video));
    EXPECT_FALSE(video->IsSoundPlaying());
  }
}

}  // namespace
}  // namespace platform
