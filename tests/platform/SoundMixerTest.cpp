#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/SoundMixer.h"

using namespace platform;

namespace {

struct Frame {
  int32_t left;
  int32_t right;
};

// A voice holding `frames` copies of one frame of sample bytes.
SoundMixer::VoiceId AddRepeatedFrame(SoundMixer& mixer, const SoundFormat& format, const std::vector<uint8_t>& frame,
                                     uint32_t frames) {
  std::vector<uint8_t> bytes;
  for (uint32_t i = 0; i < frames; ++i) bytes.insert(bytes.end(), frame.begin(), frame.end());
  SoundMixer::VoiceId voice = mixer.AddVoice(format, static_cast<uint32_t>(bytes.size()));
  mixer.WriteData(voice, 0, bytes.data(), static_cast<uint32_t>(bytes.size()));
  return voice;
}

std::vector<Frame> MixFrames(SoundMixer& mixer, uint32_t frames) {
  std::vector<int16_t> out(2 * frames);
  mixer.Mix(out.data(), frames);
  std::vector<Frame> result;
  for (uint32_t i = 0; i < frames; ++i) result.push_back({out[2 * i], out[2 * i + 1]});
  return result;
}

struct LevelCase {
  const char* name;
  uint16_t channels;
  uint16_t bits;
  std::vector<uint8_t> frame;
  int32_t volume;
  int32_t pan;
  int32_t master;
  Frame expected;
};

// Expected values: sample x 10^(attenuation / 2000), to the nearest whole.
const LevelCase kLevelCases[] = {
    {"16-bit mono at full volume", 1, 16, {0x10, 0x27}, 0, 0, 0, {10000, 10000}},
    {"16-bit mono at -6 dB", 1, 16, {0x10, 0x27}, -600, 0, 0, {5012, 5012}},
    {"16-bit stereo panned right", 2, 16, {0xE8, 0x03, 0x30, 0xF8}, 0, 600, 0, {501, -2000}},
    {"16-bit stereo panned left under volume", 2, 16, {0xE8, 0x03, 0x30, 0xF8}, -600, -600, 0, {501, -502}},
    {"8-bit mono panned left", 1, 8, {0xC0}, 0, -2000, 0, {16384, 1638}},
    {"8-bit stereo at -20 dB", 2, 8, {0x00, 0xFF}, -2000, 0, 0, {-3277, 3251}},
    {"8-bit mono silence stays silent", 1, 8, {0x80}, 0, 0, 0, {0, 0}},
    {"full pan right silences the left", 1, 16, {0x10, 0x27}, 0, 10000, 0, {0, 10000}},
    {"full pan left silences the right", 1, 16, {0x10, 0x27}, 0, -10000, 0, {10000, 0}},
    {"volume -10000 is silent", 2, 16, {0xFF, 0x7F, 0x00, 0x80}, -10000, 0, 0, {0, 0}},
    {"master gain scales everything", 1, 16, {0x20, 0x4E}, 0, 0, -1200, {5024, 5024}},
};

TEST(SoundMixerTest, EqualRatesRenderTheSamplesAtTheirLevels) {
  for (const LevelCase& c : kLevelCases) {
    SCOPED_TRACE(c.name);
    SoundMixer mixer;
    SoundMixer::VoiceId voice = AddRepeatedFrame(mixer, PcmFormat(c.channels, c.bits, 22050), c.frame, 64);
    mixer.SetVolume(voice, c.volume);
    mixer.SetPan(voice, c.pan);
    mixer.SetMasterVolume(c.master);
    mixer.Play(voice, false);
    for (const Frame& frame : MixFrames(mixer, 64)) {
      EXPECT_NEAR(frame.left, c.expected.left, 1);
      EXPECT_NEAR(frame.right, c.expected.right, 1);
    }
  }
}

TEST(SoundMixerTest, DistinctSamplesComeOutInOrderAtEqualRates) {
  SoundMixer mixer;
  const std::vector<uint8_t> bytes = {0x00, 0x40, 0x80, 0xC0, 0xFF};
  SoundMixer::VoiceId voice = mixer.AddVoice(PcmFormat(1, 8, 22050), 5);
  mixer.WriteData(voice, 0, bytes.data(), 5);
  mixer.Play(voice, false);
  std::vector<Frame> frames = MixFrames(mixer, 6);
  const int32_t expected[] = {-32768, -16384, 0, 16384, 32512, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(frames[i].left, expected[i]) << i;
}

// A voice of constant sound plays for as many output frames as its rate makes it last.
TEST(SoundMixerTest, ResampledVoicesLastInProportionToTheirRate) {
  const struct {
    uint32_t rate;
    uint32_t outputFrames;
  } cases[] = {{22050, 100}, {11025, 200}, {44100, 50}, {88200, 25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rate);
    SoundMixer mixer;
    SoundMixer::VoiceId voice = AddRepeatedFrame(mixer, PcmFormat(2, 16, c.rate), {0x00, 0x10, 0x00, 0x10}, 100);
    mixer.Play(voice, false);
    uint32_t sounding = 0;
    for (const Frame& frame : MixFrames(mixer, 400)) sounding += frame.left == 4096 && frame.right == 4096;
    EXPECT_EQ(sounding, c.outputFrames);
    EXPECT_EQ(mixer.Status(voice), 0u);
  }
}

TEST(SoundMixerTest, ChangingTheFrequencyChangesTheDuration) {
  SoundMixer mixer;
  SoundMixer::VoiceId voice = AddRepeatedFrame(mixer, PcmFormat(1, 8, 22050), {0xC0}, 100);
  mixer.SetFrequency(voice, 11025);
  mixer.Play(voice, false);
  MixFrames(mixer, 199);
  EXPECT_EQ(mixer.Status(voice), uint32_t{kSoundStatusPlaying});
  MixFrames(mixer, 1);
  EXPECT_EQ(mixer.Status(voice), 0u);
}

TEST(SoundMixerTest, ResamplingInterpolatesBetweenSamples) {
  SoundMixer mixer;
  const std::vector<uint8_t> bytes = {0x00, 0x00, 0x00, 0x10};
  SoundMixer::VoiceId voice = mixer.AddVoice(PcmFormat(1, 16, 11025), 4);
  mixer.WriteData(voice, 0, bytes.data(), 4);
  mixer.Play(voice, false);
  std::vector<Frame> frames = MixFrames(mixer, 4);
  EXPECT_EQ(frames[0].left, 0);
  EXPECT_EQ(frames[1].left, 2048);
  EXPECT_EQ(frames[2].left, 4096);
  EXPECT_EQ(frames[3].left, 4096);
}

TEST(SoundMixerTest, SumsSaturate) {
  const struct {
    std::vector<uint8_t> frame;
    int32_t expected;
  } cases[] = {{{0x30, 0x75}, 32767}, {{0xD0, 0x8A}, -32768}};
  for (const auto& c : cases) {
    SoundMixer mixer;
    for (int i = 0; i < 2; ++i) mixer.Play(AddRepeatedFrame(mixer, PcmFormat(1, 16, 22050), c.frame, 8), false);
    for (const Frame& frame : MixFrames(mixer, 8)) {
      EXPECT_EQ(frame.left, c.expected);
      EXPECT_EQ(frame.right, c.expected);
    }
  }
}

TEST(SoundMixerTest, LoopingVoicesWrapAndOneShotVoicesStopAtZero) {
  SoundMixer mixer;
  SoundMixer::VoiceId once = AddRepeatedFrame(mixer, PcmFormat(1, 8, 22050), {0xC0}, 10);
  SoundMixer::VoiceId looping = AddRepeatedFrame(mixer, PcmFormat(1, 8, 22050), {0xC0}, 10);
  mixer.Play(once, false);
  mixer.Play(looping, true);
  MixFrames(mixer, 10);
  EXPECT_EQ(mixer.Status(once), 0u);
  EXPECT_EQ(mixer.Position(once), 0u);
  MixFrames(mixer, 3);
  EXPECT_EQ(mixer.Status(looping), uint32_t{kSoundStatusPlaying | kSoundStatusLooping});
  EXPECT_EQ(mixer.Position(looping), 3u);
}

TEST(SoundMixerTest, GainOfAttenuationFollowsTheDecibelScale) {
  EXPECT_EQ(GainOfAttenuation(0), 65536);
  EXPECT_EQ(GainOfAttenuation(-2000), 6554);
  EXPECT_EQ(GainOfAttenuation(-600), 32846);
  EXPECT_EQ(GainOfAttenuation(-9999), 1);
  EXPECT_EQ(GainOfAttenuation(-10000), 0);
}

}  // namespace
