#include "platform/SoundMixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

constexpr int32_t kUnitGain = 65536;

// One sample of a channel as a 16-bit value: 8-bit data is unsigned around 128.
template <int Bits>
int32_t SampleAt(const uint8_t* data, uint32_t index) {
  if constexpr (Bits == 8) {
    return (static_cast<int32_t>(data[index]) - 128) * 256;
  } else {
    return static_cast<int16_t>(static_cast<uint16_t>(data[2 * index] | (data[2 * index + 1] << 8)));
  }
}

int16_t Saturate(int32_t sum) { return static_cast<int16_t>(std::clamp(sum, -32768, 32767)); }

int32_t ScaleGain(int32_t gain, int32_t master) {
  return static_cast<int32_t>((static_cast<int64_t>(gain) * master + kUnitGain / 2) >> 16);
}

}  // namespace

int32_t GainOfAttenuation(int32_t hundredthsOfDecibel) {
  if (hundredthsOfDecibel <= kSoundVolumeSilent) return 0;
  if (hundredthsOfDecibel >= 0) return kUnitGain;
  return static_cast<int32_t>(std::lround(kUnitGain * std::pow(10.0, hundredthsOfDecibel / 2000.0)));
}

SoundMixer::VoiceId SoundMixer::AddVoice(const SoundFormat& format, uint32_t bytes) {
  Voice voice;
  uint8_t silence = format.bitsPerSample == 8 ? 0x80 : 0;
  voice.data = std::make_shared<std::vector<uint8_t>>(bytes, silence);
  voice.channels = format.channels;
  voice.bitsPerSample = format.bitsPerSample;
  voice.blockAlign = format.blockAlign;
  voice.frames = bytes / format.blockAlign;
  voice.frequency = format.samplesPerSecond;
  UpdateStep(voice);
  UpdateGains(voice);
  std::lock_guard lock(mLock);
  return Insert(std::move(voice));
}

SoundMixer::VoiceId SoundMixer::DuplicateVoice(VoiceId original) {
  std::lock_guard lock(mLock);
  Voice voice = Find(original);
  voice.position = 0;
  voice.playing = false;
  voice.looping = false;
  return Insert(std::move(voice));
}

void SoundMixer::RemoveVoice(VoiceId voice) {
  std::lock_guard lock(mLock);
  mVoices.erase(voice);
}

void SoundMixer::Play(VoiceId id, bool looping) {
  std::lock_guard lock(mLock);
  Voice& voice = Find(id);
  voice.playing = true;
  voice.looping = looping;
}

void SoundMixer::Stop(VoiceId id) {
  std::lock_guard lock(mLock);
  Find(id).playing = false;
}

uint32_t SoundMixer::Status(VoiceId id) {
  std::lock_guard lock(mLock);
  const Voice& voice = Find(id);
  if (!voice.playing) return 0;
  return kSoundStatusPlaying | (voice.looping ? uint32_t{kSoundStatusLooping} : 0u);
}

uint32_t SoundMixer::Position(VoiceId id) {
  std::lock_guard lock(mLock);
  const Voice& voice = Find(id);
  return static_cast<uint32_t>(voice.position >> 32) * voice.blockAlign;
}

void SoundMixer::SetPosition(VoiceId id, uint32_t bytes) {
  std::lock_guard lock(mLock);
  Voice& voice = Find(id);
  voice.position = static_cast<uint64_t>(bytes / voice.blockAlign) << 32;
}

void SoundMixer::SetVolume(VoiceId id, int32_t volume) {
  std::lock_guard lock(mLock);
  Voice& voice = Find(id);
  voice.volume = volume;
  UpdateGains(voice);
}

void SoundMixer::SetPan(VoiceId id, int32_t pan) {
  std::lock_guard lock(mLock);
  Voice& voice = Find(id);
  voice.pan = pan;
  UpdateGains(voice);
}

void SoundMixer::SetFrequency(VoiceId id, uint32_t frequency) {
  std::lock_guard lock(mLock);
  Voice& voice = Find(id);
  voice.frequency = frequency;
  UpdateStep(voice);
}

int32_t SoundMixer::Volume(VoiceId id) {
  std::lock_guard lock(mLock);
  return Find(id).volume;
}

int32_t SoundMixer::Pan(VoiceId id) {
  std::lock_guard lock(mLock);
  return Find(id).pan;
}

uint32_t SoundMixer::Frequency(VoiceId id) {
  std::lock_guard lock(mLock);
  return Find(id).frequency;
}

void SoundMixer::SetMasterVolume(int32_t volume) {
  std::lock_guard lock(mLock);
  mMasterVolume = volume;
  mMasterGain = GainOfAttenuation(volume);
}

int32_t SoundMixer::MasterVolume() {
  std::lock_guard lock(mLock);
  return mMasterVolume;
}

void SoundMixer::ReadData(VoiceId id, uint32_t offset, uint8_t* destination, uint32_t size) {
  std::lock_guard lock(mLock);
  std::memcpy(destination, Find(id).data->data() + offset, size);
}

void SoundMixer::WriteData(VoiceId id, uint32_t offset, const uint8_t* source, uint32_t size) {
  std::lock_guard lock(mLock);
  std::memcpy(Find(id).data->data() + offset, source, size);
}

void SoundMixer::Mix(int16_t* out, uint32_t frames) {
  std::lock_guard lock(mLock);
  mSums.assign(2 * static_cast<size_t>(frames), 0);
  for (auto& [id, voice] : mVoices) {
    if (voice.playing) MixVoice(voice, frames);
  }
  for (size_t i = 0; i < mSums.size(); ++i) out[i] = Saturate(mSums[i]);
}

SoundMixer::Voice& SoundMixer::Find(VoiceId voice) { return mVoices.at(voice); }

SoundMixer::VoiceId SoundMixer::Insert(Voice voice) {
  while (mNextId == 0 || mVoices.count(mNextId)) ++mNextId;
  VoiceId id = mNextId++;
  mVoices.emplace(id, std::move(voice));
  return id;
}

// A positive pan lowers the left channel by that many hundredths of a decibel, a negative
// one the right channel.
void SoundMixer::UpdateGains(Voice& voice) {
  voice.leftGain = GainOfAttenuation(voice.volume - std::max(voice.pan, 0));
  voice.rightGain = GainOfAttenuation(voice.volume + std::min(voice.pan, 0));
}

void SoundMixer::UpdateStep(Voice& voice) {
  voice.step = (static_cast<uint64_t>(voice.frequency) << 32) / kOutputRate;
}

void SoundMixer::MixVoice(Voice& voice, uint32_t frames) {
  if (voice.frames == 0) {
    voice.playing = false;
    return;
  }
  int32_t left = ScaleGain(voice.leftGain, mMasterGain);
  int32_t right = ScaleGain(voice.rightGain, mMasterGain);
  bool stereo = voice.channels == 2;
  if (voice.bitsPerSample == 8) {
    stereo ? MixSamples<8, 2>(voice, mSums.data(), frames, left, right)
           : MixSamples<8, 1>(voice, mSums.data(), frames, left, right);
  } else {
    stereo ? MixSamples<16, 2>(voice, mSums.data(), frames, left, right)
           : MixSamples<16, 1>(voice, mSums.data(), frames, left, right);
  }
}

// Linear interpolation between neighbouring frames; at equal rates the fraction stays 0
// and the samples come out unchanged. A voice that plays once stops at its end, its
// position back at 0; a looping one goes on from its start.
template <int Bits, int Channels>
void SoundMixer::MixSamples(Voice& voice, int32_t* sums, uint32_t frames, int32_t leftGain,
                            int32_t rightGain) {
  const uint8_t* data = voice.data->data();
  const uint64_t end = static_cast<uint64_t>(voice.frames) << 32;
  uint64_t position = voice.position;
  for (uint32_t i = 0; i < frames; ++i) {
    if (position >= end) {
      if (!voice.looping) {
        voice.playing = false;
        position = 0;
        break;
      }
      position %= end;
    }
    uint32_t frame = static_cast<uint32_t>(position >> 32);
    int32_t fraction = static_cast<int32_t>((position >> 16) & 0xFFFF);
    uint32_t next = frame + 1 < voice.frames ? frame + 1 : (voice.looping ? 0 : frame);
    int32_t samples[2];
    for (int channel = 0; channel < Channels; ++channel) {
      int32_t a = SampleAt<Bits>(data, frame * Channels + channel);
      int32_t b = SampleAt<Bits>(data, next * Channels + channel);
      samples[channel] = a + static_cast<int32_t>((static_cast<int64_t>(b - a) * fraction) >> 16);
    }
    int32_t leftSample = samples[0];
    int32_t rightSample = samples[Channels - 1];
    sums[2 * i] += (leftSample * leftGain) >> 16;
    sums[2 * i + 1] += (rightSample * rightGain) >> 16;
    position += voice.step;
  }
  if (position >= end && voice.playing) {
    if (voice.looping) {
      position %= end;
    } else {
      voice.playing = false;
      position = 0;
    }
  }
  voice.position = position;
}

}  // namespace platform
