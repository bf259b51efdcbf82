#include "platform/SilentSoundOutput.h"

#include <algorithm>

#include "platform/SoundMixer.h"

namespace platform {
namespace {

// A long step is mixed this many frames at a time, so the scratch buffer stays small.
constexpr uint64_t kFramesPerMix = 4096;

}  // namespace

SilentSoundOutput::~SilentSoundOutput() { Close(); }

ResultCode SilentSoundOutput::Open(SoundMixer& mixer) {
  std::lock_guard lock(mLock);
  if (mMixer) return kSoundAllocated;
  mMixer = &mixer;
  mOpenedMs = GetSystemTimeMs();
  mFramesMixed = 0;
  AddClockStepListener(this);
  return kResultOk;
}

void SilentSoundOutput::Close() {
  RemoveClockStepListener(this);
  std::lock_guard lock(mLock);
  mMixer = nullptr;
}

ResultCode SilentSoundOutput::TakeFailure(SoundCall call) {
  std::lock_guard lock(mLock);
  Failure& failure = mFailures[static_cast<size_t>(call)];
  if (failure.times == 0) return kResultOk;
  --failure.times;
  return failure.code;
}

void SilentSoundOutput::FailNext(SoundCall call, ResultCode code, int times) {
  std::lock_guard lock(mLock);
  mFailures[static_cast<size_t>(call)] = {code, times};
}

void SilentSoundOutput::KeepPlayed(bool keep) {
  std::lock_guard lock(mLock);
  mKeep = keep;
}

std::vector<int16_t> SilentSoundOutput::Played() {
  std::lock_guard lock(mLock);
  return mPlayed;
}

void SilentSoundOutput::OnClockStep(uint32_t nowMs) {
  std::lock_guard lock(mLock);
  if (!mMixer) return;
  uint64_t due = static_cast<uint64_t>(nowMs - mOpenedMs) * SoundMixer::kOutputRate / 1000;
  while (mFramesMixed < due) {
    uint32_t frames = static_cast<uint32_t>(std::min<uint64_t>(due - mFramesMixed, kFramesPerMix));
    mScratch.resize(2 * static_cast<size_t>(frames));
    mMixer->Mix(mScratch.data(), frames);
    mFramesMixed += frames;
    if (mKeep) mPlayed.insert(mPlayed.end(), mScratch.begin(), mScratch.end());
  }
}

}  // namespace platform
