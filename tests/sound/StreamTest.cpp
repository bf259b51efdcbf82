#include <algorithm>

#include "SoundFixture.h"
#include "sound/DigitalSound.h"

namespace {

// Streams at the output's own rate, so each frame of the file comes out as it stands.
class StreamTest : public SoundFixture {
protected:
  void SetUp() override {
    SoundFixture::SetUp();
    StartSound();
  }

  std::string SaveMono(const std::vector<int16_t>& samples) {
    WaveWriter writer(1, 16, 22050);
    writer.SetSamples16(samples);
    return Save("stream.wav", writer);
  }

  // Steps the clock 10 ms at a time for `ms`; the time since the play at which the sound
  // was first seen silent, or 0 when it played throughout.
  uint32_t RunMs(Sound& sound, uint32_t ms) {
    uint32_t stoppedAt = 0;
    for (uint32_t t = 10; t <= ms; t += 10) {
      AdvanceMs(10);
      if (!stoppedAt && !sound.IsPlaying()) stoppedAt = t;
    }
    return stoppedAt;
  }

  // What was played from the first sound on.
  std::vector<int16_t> Heard() {
    std::vector<int16_t> left = PlayedLeft();
    auto first = std::find_if(left.begin(), left.end(), [](int16_t s) { return s != 0; });
    return std::vector<int16_t>(first, left.end());
  }

  // The data, then only silence.
  static void ExpectDataThenSilence(const std::vector<int16_t>& heard, const std::vector<int16_t>& data) {
    ASSERT_GE(heard.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), heard.begin()));
    EXPECT_TRUE(std::all_of(heard.begin() + static_cast<long>(data.size()), heard.end(), [](int16_t s) { return s == 0; }));
  }

  static constexpr uint32_t kSegmentMs = 200;
  static constexpr uint32_t kTickMs = 50;
};

TEST_F(StreamTest, ANonLoopingStreamPlaysAllItsDataThenStops) {
  struct Case {
    const char* name;
    uint32_t frames;
  };
  // Buffers of 26460 frames in segments of 4410.
  for (Case c : {Case{"shorter than a segment", 1000}, Case{"ending inside a segment", 30000},
                 Case{"ending on a segment", 26460 + 4410}, Case{"several buffers long", 80000}}) {
    SCOPED_TRACE(c.name);
    ForgetPlayed();
    std::vector<int16_t> data = Ramp(c.frames);
    DigitalSound sound(SaveMono(data), kLoadStreamed);
    ASSERT_EQ(sound.Play(0, 0), 1);
    uint32_t endMs = c.frames * 1000 / 22050;
    uint32_t stoppedAt = RunMs(sound, endMs + 2000);
    EXPECT_GE(stoppedAt, endMs);
    EXPECT_LE(stoppedAt, endMs + kSegmentMs + kTickMs);
    ExpectDataThenSilence(Heard(), data);
  }
}

TEST_F(StreamTest, ALoopingStreamGoesRoundWithoutAGap) {
  for (uint32_t frames : {3000u, 30000u}) {
    SCOPED_TRACE(frames);
    ForgetPlayed();
    std::vector<int16_t> data = Ramp(frames);
    DigitalSound sound(SaveMono(data), kLoadStreamed);
    ASSERT_EQ(sound.Play(1, 0), 1) << "a streamed play with loop set loops";
    EXPECT_EQ(RunMs(sound, 4000), 0u);
    std::vector<int16_t> heard = Heard();
    ASSERT_GT(heard.size(), 3u * 22050);
    for (size_t i = 0; i < 3 * 22050; ++i) ASSERT_EQ(heard[i], data[i % frames]) << i;
    sound.Stop();
    EXPECT_EQ(sound.IsPlaying(), 0);
  }
}

TEST_F(StreamTest, ALoopingStreamWithNoDataStopsInSilence) {
  DigitalSound sound(SaveMono({}), kLoadStreamed);
  ASSERT_EQ(sound.Play(1, 0), 1);
  uint32_t stoppedAt = RunMs(sound, 1000);
  EXPECT_GT(stoppedAt, 0u);
  EXPECT_LE(stoppedAt, kTickMs);
  EXPECT_TRUE(Heard().empty());
}

TEST_F(StreamTest, PlayModesOfAPlayingStream) {
  std::vector<int16_t> data = Ramp(60000);
  DigitalSound sound(SaveMono(data), kLoadStreamed);
  ASSERT_EQ(sound.Play(0, 0), 1);
  RunMs(sound, 500);
  EXPECT_EQ(sound.Play(0, 0), 0) << "the default mode leaves a playing stream alone";
  EXPECT_EQ(sound.IsPlaying(), 1);
  ForgetPlayed();
  sound.SetPlayMode(kPlayModeRestart);
  ASSERT_EQ(sound.Play(0, 0), 1);
  RunMs(sound, 4000);
  ExpectDataThenSilence(Heard(), data);
}

// 22052 Hz 16-bit stereo makes 105849 bytes of buffer, not a whole number of frames.
TEST_F(StreamTest, AnOddRateKeepsItsChannels) {
  WaveWriter writer(2, 16, 22052);
  std::vector<int16_t> frames;
  for (int i = 0; i < 3 * 22052; ++i) frames.insert(frames.end(), {4000, -4000});
  writer.SetSamples16(frames);
  DigitalSound sound(Save("odd.wav", writer), kLoadStreamed);
  ASSERT_EQ(sound.Play(0, 0), 1);
  uint32_t stoppedAt = RunMs(sound, 4000);
  EXPECT_GE(stoppedAt, 2990u);
  EXPECT_LE(stoppedAt, 3000 + kSegmentMs + kTickMs);
  std::vector<int16_t> played = Played();
  size_t loud = 0;
  for (size_t i = 0; i < played.size(); i += 2) {
    if (played[i] == 0 && played[i + 1] == 0) continue;
    ASSERT_GE(played[i], 0) << i;
    ASSERT_LE(played[i + 1], 0) << i;
    ++loud;
  }
  EXPECT_NEAR(static_cast<double>(loud), 3 * 22050.0, 30);
}

TEST_F(StreamTest, UnloadWhileStreamingStopsTheRefills) {
  DigitalSound sound(SaveMono(Ramp(60000)), kLoadStreamed);
  ASSERT_EQ(sound.Play(0, 0), 1);
  RunMs(sound, 300);
  sound.Unload();
  EXPECT_EQ(sound.IsPlaying(), 0);
  RunMs(sound, 500);
  EXPECT_EQ(sound.Play(0, 0), 1) << "a new play opens the file again";
}

TEST_F(StreamTest, LargeFilesAreStreamedUnderLoadModeTwo) {
  std::string large = SaveMono(Ramp(100000));
  EXPECT_EQ(DigitalSound(large, kLoadStreamedIfLarge).IsStreaming(), 1);
  WaveWriter writer(1, 16, 22050);
  writer.SetSamples16(Ramp(1000));
  EXPECT_EQ(DigitalSound(Save("small.wav", writer), kLoadStreamedIfLarge).IsStreaming(), 0);
}

}  // namespace
