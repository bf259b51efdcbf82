#include "sound/DigitalSound.h"

#include <algorithm>
#include <mutex>

#include "Drovane/ErrorReport.h"
#include "platform/FileHandle.h"
#include "platform/TimerService.h"
#include "sound/SoundMemory.h"
#include "sound/SoundSystem.h"

using platform::kResultOk;
using platform::SoundBuffer;

namespace {

constexpr uint32_t kCompletionPeriodMs = 20;
constexpr uint32_t kCompletionPollMs = 10;
constexpr uint32_t kCompletionPollBelowMs = 1000;
constexpr uint32_t kCompletionResolutionMs = 5;
constexpr uint32_t kLoopingRemainingMs = 0x7FFFFFFF;
constexpr int32_t kPanLimit = 10000;

// 1 on success; else the failure is reported with its text and 0 returned.
int Reported(platform::ResultCode result, const char* message) {
  if (result == kResultOk) return 1;
  ReportDirectSoundError(result, message);
  return 0;
}

void CompletionTimerProc(uint32_t, uint32_t, uintptr_t user, uintptr_t, uintptr_t) {
  reinterpret_cast<DigitalSound*>(user)->OnCompletionTimer();
}

}  // namespace

DigitalSound::DigitalSound() = default;

DigitalSound::DigitalSound(const std::string& fileName, int32_t loadMode) : mLoadMode(loadMode) {
  mFileName = fileName;
  if (loadMode == kLoadStreamed) mStreaming = 1;
  if (loadMode == kLoadStreamedIfLarge) mStreaming = ShouldStream();
}

DigitalSound::DigitalSound(int32_t resourceId) { mResourceId = resourceId; }

DigitalSound::~DigitalSound() {
  std::lock_guard lock(platform::SoundLock());
  Unload();
}

void DigitalSound::SetFileName(const std::string& name) {
  std::lock_guard lock(platform::SoundLock());
  mFileName = name;
  mLooping = 0;
  mReloadPending = 1;
}

void DigitalSound::SetFile(const std::string& name, int32_t loadMode) {
  std::lock_guard lock(platform::SoundLock());
  mFileName = name;
  mLoadMode = loadMode;
  mLooping = 0;
  mReloadPending = 1;
  if (loadMode == kLoadStreamed) mStreaming = 1;
  if (loadMode == kLoadStreamedIfLarge) mStreaming = ShouldStream();
}

int DigitalSound::ShouldStream() {
  int handle = platform::OpenFile(mFileName, platform::kFileRead);
  if (handle < 0) return 0;
  int64_t length = platform::FileLength(handle);
  platform::CloseFile(handle);
  return length >= kStreamFileBytes ? 1 : 0;
}

int DigitalSound::Load() {
  std::lock_guard lock(platform::SoundLock());
  if (mStreaming) return 1;
  if (mSourceKind == kSoundFromFile) return LoadFromFile();
  if (mSourceKind == kSoundFromResource) return LoadFromResource();
  return 0;
}

int DigitalSound::LoadFromFile() {
  std::lock_guard lock(platform::SoundLock());
  WaveFileHandle file;
  platform::RiffChunk riffChunk;
  if (OpenWaveFile(mFileName, file, mFormat, riffChunk) != kWaveOk) return 0;
  platform::RiffChunk dataChunk;
  if (SeekWaveData(*file, dataChunk, riffChunk) != kWaveOk) return 0;
  mDataSize = dataChunk.size;
  if (!CreateSoundBuffer(nullptr)) return 0;
  if (ReadIntoBuffer(file, dataChunk)) return 1;
  ReleaseBuffers();
  return 0;
}

// Fills the whole of the new buffer from the data chunk; a short read is a failure.
int DigitalSound::ReadIntoBuffer(WaveFileHandle& file, platform::RiffChunk& dataChunk) {
  SoundBuffer& buffer = *mpBuffers[0];
  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0, bytes2 = 0;
  platform::ResultCode result =
      buffer.Lock(0, mDataSize, &part1, &bytes1, &part2, &bytes2, platform::kSoundLockEntireBuffer);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in DitigalSound::LoadFromFile() after Lock()");
    return 0;
  }
  uint32_t read = 0;
  uint32_t readResult = ReadWaveData(*file, bytes1, static_cast<uint8_t*>(part1), dataChunk, read);
  CloseWaveFile(file);
  if (readResult == kWaveOk && read < bytes1) readResult = kWaveTruncated;
  if (readResult != kWaveOk) {
    buffer.Unlock(part1, 0, part2, 0);
    ReportDirectSoundError(readResult, "Error in DitigalSound::LoadFromFile() after ReadWaveData()");
    return 0;
  }
  result = buffer.Unlock(part1, bytes1, part2, bytes2);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in DitigalSound::LoadFromFile() after Unlock()");
    return 0;
  }
  return 1;
}

void DigitalSound::Unload() {
  std::lock_guard lock(platform::SoundLock());
  KillCompletionTimer();
  if (IsPlaying()) Stop();
  if (mpStream) {
    StopStream();
    mpStream.reset();
  }
  ReleaseBuffers();
}

int DigitalSound::CreateSoundBuffer(const platform::SoundBufferDescription* description) {
  std::lock_guard lock(platform::SoundLock());
  if (!lpDS) return 0;
  platform::SoundBufferDescription own{mBufferFlags, mDataSize, &mFormat};
  const platform::SoundBufferDescription& used = description ? *description : own;
  platform::ResultCode result = lpDS->CreateSoundBuffer(used, mpBuffers[0]);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in DitigalSound::CreateSoundBuffer() after CreateSoundBuffer()");
    mpBuffers[0].reset();
    return 0;
  }
  AddSoundMemory(used.bytes);
  return 1;
}

int DigitalSound::CreatePrimaryBuffer() {
  platform::SoundBufferDescription primary{platform::kSoundBufferPrimary, 0, nullptr};
  return CreateSoundBuffer(&primary);
}

int DigitalSound::ReleaseBuffers() {
  std::lock_guard lock(platform::SoundLock());
  if (mpBuffers[0]) SubtractSoundMemory(mDataSize);
  for (auto& buffer : mpBuffers) {
    if (!buffer) break;
    buffer.reset();
  }
  return 1;
}

int DigitalSound::IsPlaying(SoundBuffer** playing) {
  std::lock_guard lock(platform::SoundLock());
  for (auto& buffer : mpBuffers) {
    if (!buffer) break;
    uint32_t status = 0;
    platform::ResultCode result = buffer->GetStatus(status);
    if (result != kResultOk) {
      ReportDirectSoundError(result, "Error in call to DigitalSound::IsPlaying() GetStatus()");
      continue;
    }
    if (status & platform::kSoundStatusPlaying) {
      if (playing) *playing = buffer.get();
      return 1;
    }
  }
  return 0;
}

// An idle buffer to play another copy on: an idle one of the eight, or a new duplicate.
int DigitalSound::GetSoundAliasToPlay(SoundBuffer** alias) {
  for (auto& buffer : mpBuffers) {
    if (!buffer) {
      if (!lpDS) return 0;
      platform::ResultCode result = lpDS->DuplicateSoundBuffer(*mpBuffers[0], buffer);
      if (result != kResultOk) {
        ReportDirectSoundError(result, "Error in GetSoundAliasToPlay() after DuplicateSoundBuffer()");
        return 0;
      }
      *alias = buffer.get();
      return 1;
    }
    uint32_t status = 0;
    platform::ResultCode result = buffer->GetStatus(status);
    if (result != kResultOk) {
      ReportDirectSoundError(result, "Error in GetSoundAliasToPlay() after GetStatus()");
      continue;
    }
    if (status == 0) {
      *alias = buffer.get();
      return 1;
    }
  }
  return 0;
}

int DigitalSound::Play(int loop, int mode) {
  std::lock_guard lock(platform::SoundLock());
  if (mReloadPending) {
    mReloadPending = 0;
    Unload();
  }
  if (loop) mLooping = 1;
  if (mStreaming) return PlayStream();
  if (!mpBuffers[0] && !Load()) return 0;
  if (mode == kPlayModeDefault) mode = mPlayMode;
  SoundBuffer* buffer = mpBuffers[0].get();
  if (IsPlaying(&buffer)) {
    if (mode == kPlayModeRestart) {
      buffer->SetCurrentPosition(0);
      AfterPlay();
      return 1;
    }
    if (mode == kPlayModeLeave) return 1;
    if (mode == kPlayModeOverlap && !GetSoundAliasToPlay(&buffer)) return 0;
  }
  if (mVolume != kSoundVolumeMax) SetVolume(mVolume);
  return PlayBuffer(*buffer, mLooping ? static_cast<uint32_t>(platform::kSoundPlayLooping) : 0u);
}

// Plays, restoring a lost buffer once (its data is not read again).
int DigitalSound::PlayBuffer(SoundBuffer& buffer, uint32_t flags) {
  platform::ResultCode result = buffer.Play(flags);
  if (result == platform::kSoundBufferLost) {
    platform::ResultCode restored = buffer.Restore();
    if (restored != kResultOk) {
      ReportDirectSoundError(restored, "Error in call to DigitalSound::Play() Restore()");
      return 0;
    }
    result = buffer.Play(flags);
  }
  if (result != kResultOk) return 0;
  AfterPlay();
  return 1;
}

void DigitalSound::AfterPlay() {
  if (!mCompletionTimer && mpCompletionCallback && !mLooping) StartCompletionTimer();
}

int DigitalSound::Stop() {
  std::lock_guard lock(platform::SoundLock());
  int wasPlaying = IsPlaying();
  if (mStreaming) return StopStream();
  for (auto& buffer : mpBuffers) {
    if (!buffer) break;
    buffer->Stop();
  }
  // A completion a play armed is reported once: here, when its timer has not reported it.
  bool armed = mCompletionTimer != 0;
  KillCompletionTimer();
  if ((wasPlaying || armed) && mpCompletionCallback) mpCompletionCallback(mCompletionData);
  return 1;
}

int DigitalSound::GetVolume(int32_t& volume) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0]) return 0;
  int32_t attenuation = 0;
  platform::ResultCode result = mpBuffers[0]->GetVolume(attenuation);
  if (result != kResultOk) {
    ReportDirectSoundError(result, "Error in call to GetVolume() in DigitalSound::GetVolume()");
    return 0;
  }
  volume = attenuation + kSoundVolumeMax;
  return 1;
}

int DigitalSound::SetVolume(int32_t volume) {
  std::lock_guard lock(platform::SoundLock());
  mVolume = volume;
  if (!mpBuffers[0]) return 0;
  return Reported(mpBuffers[0]->SetVolume(volume - kSoundVolumeMax),
                  "Error in call to SetVolume() in DigitalSound::SetVolume()");
}

int DigitalSound::GetPan(int32_t& pan) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0]) return 1;
  return Reported(mpBuffers[0]->GetPan(pan),
                  "Error in call to GetPan() in DigitalSound::GetPan()");
}

int DigitalSound::SetPan(int32_t pan) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0]) return 1;
  return Reported(mpBuffers[0]->SetPan(std::clamp(pan, -kPanLimit, kPanLimit)),
                  "Error in call to SetPan() in DigitalSound::SetPan()");
}

uint32_t DigitalSound::GetBaseFrequency() {
  std::lock_guard lock(platform::SoundLock());
  return mFormat.samplesPerSecond;
}

int DigitalSound::GetFrequency(uint32_t& frequency) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0]) return 1;
  return Reported(mpBuffers[0]->GetFrequency(frequency),
                  "Error in call to GetFrequency() in DigitalSound::GetFrequency()");
}

int DigitalSound::SetFrequency(uint32_t frequency) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpBuffers[0]) return 1;
  uint32_t clamped = std::clamp(frequency, platform::kSoundMinFrequency, platform::kSoundMaxFrequency);
  return Reported(mpBuffers[0]->SetFrequency(clamped),
                  "Error in call to SetFrequency() in DigitalSound::SetFrequency()");
}

int DigitalSound::SetCompletionCallback(CompletionCallback callback, uintptr_t data) {
  std::lock_guard lock(platform::SoundLock());
  mpCompletionCallback = callback;
  mCompletionData = data;
  return 1;
}

void DigitalSound::ClearCompletionCallback() {
  std::lock_guard lock(platform::SoundLock());
  mpCompletionCallback = nullptr;
  KillCompletionTimer();
}

// Whole frames still to play, in milliseconds at the file's own rate.
uint32_t DigitalSound::GetRemainingTime() {
  std::lock_guard lock(platform::SoundLock());
  if (mFormat.blockAlign == 0 || mFormat.samplesPerSecond == 0) return 0;
  uint32_t bytes = mDataSize;
  if (IsPlaying()) {
    if (mLooping) return kLoopingRemainingMs;
    uint32_t played = 0;
    mpBuffers[0]->GetCurrentPosition(&played, nullptr);
    bytes = played < mDataSize ? mDataSize - played : 0;
  }
  uint64_t ms = static_cast<uint64_t>(bytes / mFormat.blockAlign) * 1000 / mFormat.samplesPerSecond;
  return static_cast<uint32_t>(std::min<uint64_t>(ms, kLoopingRemainingMs));
}

uint32_t DigitalSound::StartCompletionTimer() {
  std::lock_guard lock(platform::SoundLock());
  if (mCompletionTimer || !mpCompletionCallback) return 0;
  uint32_t delay = GetRemainingTime();
  if (delay < kCompletionPollBelowMs) delay = kCompletionPollMs;
  delay = std::min(delay, platform::kTimerMaxDelayMs);
  if (platform::TimeBeginPeriod(kCompletionPeriodMs) != kResultOk) return 0;
  mCompletionTimer = platform::TimeSetEvent(delay, kCompletionResolutionMs, CompletionTimerProc,
                                            reinterpret_cast<uintptr_t>(this), platform::kTimerOneShot);
  if (!mCompletionTimer) platform::TimeEndPeriod(kCompletionPeriodMs);
  return mCompletionTimer;
}

// On the timer thread: polls again while the sound still plays, else reports its end.
void DigitalSound::OnCompletionTimer() {
  std::lock_guard lock(platform::SoundLock());
  platform::TimeEndPeriod(kCompletionPeriodMs);
  mCompletionTimer = 0;
  if (IsPlaying()) {
    StartCompletionTimer();
    return;
  }
  if (mpCompletionCallback) mpCompletionCallback(mCompletionData);
}

void DigitalSound::KillCompletionTimer() {
  std::lock_guard lock(platform::SoundLock());
  if (!mCompletionTimer) return;
  platform::TimeKillEvent(mCompletionTimer);
  platform::TimeEndPeriod(kCompletionPeriodMs);
  mCompletionTimer = 0;
}
