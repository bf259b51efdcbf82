#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "soundfiles/Envelope.h"
#include "soundfiles/Filter.h"
#include "soundfiles/Noise.h"
#include "soundfiles/Oscillator.h"
#include "soundfiles/SeamlessLoop.h"
#include "soundfiles/Speech.h"

namespace {

constexpr uint32_t kRate = 22050;

int Crossings(const Signal& signal) {
  int count = 0;
  for (size_t i = 1; i < signal.samples.size(); ++i)
    if ((signal.samples[i - 1] < 0.0) != (signal.samples[i] < 0.0)) ++count;
  return count;
}

double Rms(const Signal& signal) {
  double sum = 0.0;
  for (double sample : signal.samples) sum += sample * sample;
  return signal.samples.empty() ? 0.0 : std::sqrt(sum / signal.samples.size());
}

double LargestStep(const Signal& signal) {
  double largest = 0.0;
  for (size_t i = 1; i < signal.samples.size(); ++i)
    largest = std::max(largest, std::fabs(signal.samples[i] - signal.samples[i - 1]));
  return largest;
}

double SeamStep(const Signal& signal) { return std::fabs(signal.samples.front() - signal.samples.back()); }

TEST(SynthesiserTest, WaveformsRunAtTheirFrequency) {
  for (Waveform waveform : {Waveform::kSine, Waveform::kSquare, Waveform::kSawtooth, Waveform::kTriangle}) {
    Signal tone = Tone(waveform, 441.0, 1.0, kRate);
    ASSERT_EQ(tone.samples.size(), kRate);
    EXPECT_NEAR(Crossings(tone), 882, 2) << static_cast<int>(waveform);
    EXPECT_LE(Peak(tone), 1.0);
    EXPECT_GT(Peak(tone), 0.99);
  }
}

TEST(SynthesiserTest, GlideAndWobbleStayContinuous) {
  Signal glide = Glide(Waveform::kSine, 200.0, 2000.0, 1.0, kRate);
  Signal first = glide, last = glide;
  first.samples.resize(kRate / 10);
  last.samples.erase(last.samples.begin(), last.samples.end() - kRate / 10);
  EXPECT_GT(Crossings(last), 5 * Crossings(first)) << "rises in pitch";
  // A sine of at most 2000 Hz moves no more than 2 pi f / rate between samples.
  EXPECT_LT(LargestStep(glide), 2.0 * 3.1416 * 2000.0 / kRate + 1e-3);
  Signal siren = Oscillator(Waveform::kSine, Wobble(800.0, 300.0, 2.0), 1.0, kRate);
  EXPECT_LT(LargestStep(siren), 2.0 * 3.1416 * 1100.0 / kRate + 1e-3);
}

TEST(SynthesiserTest, NoiseIsRepeatableBySeed) {
  Signal a = WhiteNoise(0.5, kRate, 7), b = WhiteNoise(0.5, kRate, 7), c = WhiteNoise(0.5, kRate, 8);
  EXPECT_EQ(a.samples, b.samples);
  EXPECT_NE(a.samples, c.samples);
  EXPECT_LE(Peak(a), 1.0);
  EXPECT_NEAR(Rms(a), 1.0 / std::sqrt(3.0), 0.02) << "uniform in -1..1";
  EXPECT_FALSE(WhiteNoise(0.1, kRate, 0).samples == Silence(0.1, kRate).samples) << "seed 0 still makes noise";
  Signal rumble = SteppedNoise(1.0, kRate, 50.0, 3);
  EXPECT_LT(LargestStep(rumble), 2.0 * 50.0 / kRate + 1e-9) << "slides between values";
}

TEST(SynthesiserTest, EnvelopesShapeTheLevel) {
  Signal flat = Silence(1.0, 1000);
  for (double& sample : flat.samples) sample = 1.0;
  Signal adsr = flat;
  ApplyAdsr(adsr, {0.1, 0.1, 0.5, 0.2});
  EXPECT_DOUBLE_EQ(adsr.samples[0], 0.0);
  EXPECT_NEAR(adsr.samples[50], 0.5, 1e-9) << "halfway up the attack";
  EXPECT_NEAR(adsr.samples[150], 0.75, 1e-9) << "halfway down the decay";
  EXPECT_NEAR(adsr.samples[500], 0.5, 1e-9) << "sustain";
  EXPECT_NEAR(adsr.samples[900], 0.25, 1e-9) << "halfway through the release";
  Signal decay = flat;
  ApplyDecay(decay, 0.25);
  EXPECT_NEAR(decay.samples[250], 0.5, 1e-9);
  EXPECT_NEAR(decay.samples[500], 0.25, 1e-9);
  Signal chop = flat;
  ApplyGain(chop, Pulses(10.0, 0.2));
  EXPECT_NEAR(chop.samples[0], 0.2, 1e-9);
  EXPECT_NEAR(chop.samples[50], 1.0, 1e-9);
}

TEST(SynthesiserTest, FiltersPassTheirBand) {
  struct Case {
    const char* name;
    void (*filter)(Signal&);
    double lowKept, highKept;
  } cases[] = {
      {"low-pass", [](Signal& s) { LowPass(s, 500.0); }, 0.9, 0.02},
      {"high-pass", [](Signal& s) { HighPass(s, 4000.0); }, 0.02, 0.9},
      {"band-pass", [](Signal& s) { BandPass(s, 8000.0, 4.0); }, 0.02, 0.9},
  };
  for (const Case& c : cases) {
    Signal low = Tone(Waveform::kSine, 100.0, 1.0, kRate), high = Tone(Waveform::kSine, 8000.0, 1.0, kRate);
    double lowBefore = Rms(low), highBefore = Rms(high);
    c.filter(low);
    c.filter(high);
    if (c.lowKept > 0.5)
      EXPECT_GT(Rms(low) / lowBefore, c.lowKept) << c.name;
    else
      EXPECT_LT(Rms(low) / lowBefore, c.lowKept) << c.name;
    if (c.highKept > 0.5)
      EXPECT_GT(Rms(high) / highBefore, c.highKept) << c.name;
    else
      EXPECT_LT(Rms(high) / highBefore, c.highKept) << c.name;
  }
  Signal untouched = WhiteNoise(0.1, kRate, 1), copy = untouched;
  LowPass(untouched, kRate / 2.0);
  EXPECT_EQ(untouched.samples, copy.samples) << "a cutoff at half the rate does nothing";
}

TEST(SynthesiserTest, LoopsJoinWithoutAStep) {
  Signal tone = Tone(Waveform::kSawtooth, 97.3, 1.2, kRate);
  LowPass(tone, 2000.0);
  Signal noise = WhiteNoise(1.2, kRate, 5);
  LowPass(noise, 800.0);
  for (Signal* signal : {&tone, &noise}) {
    size_t before = signal->samples.size();
    ASSERT_TRUE(MakeSeamlessLoop(*signal, 0.2));
    EXPECT_EQ(signal->samples.size(), before - SampleCount(0.2, kRate));
    EXPECT_LE(SeamStep(*signal), LargestStep(*signal));
  }
  Signal tooShort = WhiteNoise(0.3, kRate, 5), copy = tooShort;
  EXPECT_FALSE(MakeSeamlessLoop(tooShort, 0.15));
  EXPECT_EQ(tooShort.samples, copy.samples);
}

TEST(SynthesiserTest, MixingResamplingAndPcm) {
  Signal target = Silence(0.1, 1000);
  Signal blip = Silence(0.05, 1000);
  for (double& sample : blip.samples) sample = 0.5;
  MixInto(target, blip, 0.08, 2.0);
  ASSERT_EQ(target.samples.size(), 130u) << "lengthened to hold the blip";
  EXPECT_DOUBLE_EQ(target.samples[79], 0.0);
  EXPECT_DOUBLE_EQ(target.samples[80], 1.0);
  Signal tone = Tone(Waveform::kSine, 100.0, 1.0, 22050);
  Signal lower = Resample(tone, 11025);
  EXPECT_EQ(lower.samples.size(), 11025u);
  EXPECT_NEAR(Crossings(lower), 200, 2) << "the same pitch at its own rate";
  Signal loud = Silence(0.003, 1000);
  loud.samples = {2.0, -2.0, 0.5};
  std::vector<int16_t> pcm = ToPcm16(loud);
  EXPECT_EQ(pcm, (std::vector<int16_t>{32767, -32767, 16384}));
}

TEST(SpeechTest, SpeaksThroughEspeak) {
  Signal speech;
  std::string error;
  ASSERT_TRUE(Speak("Attention, all units.", SpeechVoice{}, speech, error)) << error;
  EXPECT_EQ(speech.rate, 22050u);
  EXPECT_GT(speech.Seconds(), 0.5);
  EXPECT_GT(Peak(speech), 0.1) << "not silent";
  Signal higher;
  SpeechVoice child{"en-us+f3", 90, 200, 0};
  ASSERT_TRUE(Speak("Attention, all units.", child, higher, error)) << error;
  EXPECT_LT(higher.Seconds(), speech.Seconds()) << "faster";
}

TEST(SpeechTest, FailuresAreExplained) {
  struct Case {
    const char* voice;
    const char* program;
    const char* error;
  } cases[] = {
      {"nonesuch", "espeak-ng", "failed (status 1)"},
      {"en-us", "halvorine-no-such-program", "cannot run halvorine-no-such-program"},
      {"en-us", "true", "is not a WAVE file"},
  };
  for (const Case& c : cases) {
    Signal speech;
    speech.samples = {0.25};
    std::string error;
    EXPECT_FALSE(Speak("hello", SpeechVoice{c.voice}, speech, error, c.program)) << c.program;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_EQ(speech.samples.size(), 1u) << "left as it was";
  }
}

}  // namespace
