#include "platform/SoundBuffer.h"

#include <algorithm>

#include "platform/SoundDeviceState.h"

namespace platform {

SoundBuffer::SoundBuffer(std::shared_ptr<SoundDeviceState> state, SoundMixer::VoiceId voice,
                         const SoundFormat& format, uint32_t bytes)
    : mState(std::move(state)), mVoice(voice), mFormat(format), mBytes(bytes) {}

SoundBuffer::~SoundBuffer() {
  if (!IsPrimary()) Mixer().RemoveVoice(mVoice);
}

SoundMixer& SoundBuffer::Mixer() { return mState->mixer; }

ResultCode SoundBuffer::DataRefusal() {
  if (!mState->open) return kSoundInvalidCall;
  return IsPrimary() ? kSoundInvalidCall : kResultOk;
}

ResultCode SoundBuffer::GetStatus(uint32_t& status) {
  if (!mState->open) return kSoundInvalidCall;
  if (IsPrimary()) {
    status = mPrimaryPlaying ? uint32_t{kSoundStatusPlaying | kSoundStatusLooping} : 0u;
    return kResultOk;
  }
  status = Mixer().Status(mVoice) | (mLost ? uint32_t{kSoundStatusLost} : 0u);
  return kResultOk;
}

ResultCode SoundBuffer::Play(uint32_t flags) {
  if (ResultCode refusal = mState->Refusal(SoundCall::Play)) {
    if (refusal == kSoundBufferLost) mLost = true;
    return refusal;
  }
  if (mLost) return kSoundBufferLost;
  if (IsPrimary()) {
    mPrimaryPlaying = true;
    return kResultOk;
  }
  Mixer().Play(mVoice, (flags & kSoundPlayLooping) != 0);
  return kResultOk;
}

ResultCode SoundBuffer::Stop() {
  if (!mState->open) return kSoundInvalidCall;
  if (IsPrimary()) {
    mPrimaryPlaying = false;
    return kResultOk;
  }
  Mixer().Stop(mVoice);
  return kResultOk;
}

// The mixer reads the data at the play cursor when it mixes, so everything from there on
// may still be written.
ResultCode SoundBuffer::GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  uint32_t position = Mixer().Position(mVoice);
  if (playCursor) *playCursor = position;
  if (writeCursor) *writeCursor = position;
  return kResultOk;
}

ResultCode SoundBuffer::SetCurrentPosition(uint32_t bytes) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  if (bytes >= mBytes) return kSoundInvalidParam;
  Mixer().SetPosition(mVoice, bytes);
  return kResultOk;
}

ResultCode SoundBuffer::Lock(uint32_t offset, uint32_t bytes, void** part1, uint32_t* bytes1, void** part2,
                             uint32_t* bytes2, uint32_t flags) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  if (!part1 || !bytes1) return kSoundInvalidParam;
  if (mLocked) return kSoundInvalidCall;
  if (mLost) return kSoundBufferLost;
  if (flags & kSoundLockFromWriteCursor) GetCurrentPosition(nullptr, &offset);
  if (flags & kSoundLockEntireBuffer) bytes = mBytes;
  if (offset >= mBytes || bytes == 0 || bytes > mBytes) return kSoundInvalidParam;
  uint32_t first = std::min(bytes, mBytes - offset);
  if (first < bytes && (!part2 || !bytes2)) return kSoundInvalidParam;
  if (ResultCode refusal = mState->Refusal(SoundCall::Lock)) return refusal;

  mLockCopy.resize(bytes);
  Mixer().ReadData(mVoice, offset, mLockCopy.data(), first);
  Mixer().ReadData(mVoice, 0, mLockCopy.data() + first, bytes - first);
  mLocked = true;
  mLockOffset = offset;
  mLockFirst = first;
  *part1 = mLockCopy.data();
  *bytes1 = first;
  if (part2) *part2 = first < bytes ? mLockCopy.data() + first : nullptr;
  if (bytes2) *bytes2 = bytes - first;
  return kResultOk;
}

bool SoundBuffer::IsValidUnlock(void* part1, uint32_t bytes1, void* part2, uint32_t bytes2) const {
  if (part1 != mLockCopy.data() || bytes1 > mLockFirst) return false;
  uint32_t second = static_cast<uint32_t>(mLockCopy.size()) - mLockFirst;
  if (!part2) return bytes2 == 0;
  return part2 == mLockCopy.data() + mLockFirst && second > 0 && bytes2 <= second;
}

ResultCode SoundBuffer::Unlock(void* part1, uint32_t bytes1, void* part2, uint32_t bytes2) {
  if (ResultCode refusal = DataRefusal()) {
    mLocked = false;
    return refusal;
  }
  if (!mLocked) return kSoundInvalidCall;
  if (!IsValidUnlock(part1, bytes1, part2, bytes2)) return kSoundInvalidParam;
  Mixer().WriteData(mVoice, mLockOffset, mLockCopy.data(), bytes1);
  if (bytes2 > 0) Mixer().WriteData(mVoice, 0, mLockCopy.data() + mLockFirst, bytes2);
  mLocked = false;
  std::vector<uint8_t>().swap(mLockCopy);
  return kResultOk;
}

ResultCode SoundBuffer::GetVolume(int32_t& volume) {
  if (!mState->open) return kSoundInvalidCall;
  volume = IsPrimary() ? Mixer().MasterVolume() : Mixer().Volume(mVoice);
  return kResultOk;
}

ResultCode SoundBuffer::SetVolume(int32_t volume) {
  if (!mState->open) return kSoundInvalidCall;
  if (volume < kSoundVolumeSilent || volume > kSoundVolumeFull) return kSoundInvalidParam;
  if (IsPrimary()) {
    Mixer().SetMasterVolume(volume);
  } else {
    Mixer().SetVolume(mVoice, volume);
  }
  return kResultOk;
}

ResultCode SoundBuffer::GetPan(int32_t& pan) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  pan = Mixer().Pan(mVoice);
  return kResultOk;
}

ResultCode SoundBuffer::SetPan(int32_t pan) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  if (pan < kSoundPanLeft || pan > kSoundPanRight) return kSoundInvalidParam;
  Mixer().SetPan(mVoice, pan);
  return kResultOk;
}

ResultCode SoundBuffer::GetFrequency(uint32_t& frequency) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  frequency = Mixer().Frequency(mVoice);
  return kResultOk;
}

ResultCode SoundBuffer::SetFrequency(uint32_t frequency) {
  if (ResultCode refusal = DataRefusal()) return refusal;
  if (frequency < kSoundMinFrequency || frequency > kSoundMaxFrequency) return kSoundInvalidParam;
  Mixer().SetFrequency(mVoice, frequency);
  return kResultOk;
}

ResultCode SoundBuffer::GetFormat(SoundFormat& format) {
  if (!mState->open) return kSoundInvalidCall;
  format = IsPrimary() ? PcmFormat(2, 16, SoundMixer::kOutputRate) : mFormat;
  return kResultOk;
}

ResultCode SoundBuffer::Restore() {
  if (ResultCode refusal = mState->Refusal(SoundCall::Restore)) return refusal;
  mLost = false;
  return kResultOk;
}

}  // namespace platform
