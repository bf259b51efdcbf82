#include "platform/SoundDevice.h"

#include <mutex>

#include "platform/SoundBuffer.h"
#include "platform/SoundDeviceState.h"
#include "platform/TimerService.h"

namespace platform {
namespace {

std::mutex gDeviceLock;
std::shared_ptr<SoundOutput> gOutput;
std::weak_ptr<SoundDeviceState> gOpenDevice;
bool gShutDown = false;

}  // namespace

SoundDevice::SoundDevice(std::shared_ptr<SoundDeviceState> state) : mState(std::move(state)) {}

SoundDevice::~SoundDevice() { mState->Close(); }

ResultCode SoundDevice::GetCaps(SoundCaps& caps) {
  if (ResultCode refusal = mState->Refusal(SoundCall::GetCaps)) return refusal;
  caps.flags = kSoundCapsPrimaryStereo | kSoundCapsPrimary16Bit | kSoundCapsContinuousRate | kSoundCapsSecondaryMono |
               kSoundCapsSecondaryStereo | kSoundCapsSecondary8Bit | kSoundCapsSecondary16Bit;
  caps.minSecondarySampleRate = kSoundMinFrequency;
  caps.maxSecondarySampleRate = kSoundMaxFrequency;
  caps.primaryBuffers = 1;
  return kResultOk;
}

ResultCode SoundDevice::SetCooperativeLevel(WindowHandle window, uint32_t level) {
  if (!mState->open) return kSoundInvalidCall;
  if (window == kNoWindow || level < kSoundLevelNormal || level > kSoundLevelWritePrimary) return kSoundInvalidParam;
  return mState->Refusal(SoundCall::SetCooperativeLevel);
}

ResultCode SoundDevice::CreateSoundBuffer(const SoundBufferDescription& description,
                                          std::unique_ptr<SoundBuffer>& buffer) {
  if (!mState->open) return kSoundInvalidCall;
  if (description.flags & kSoundBufferPrimary) {
    if (description.bytes != 0 || description.format) return kSoundInvalidParam;
    if (ResultCode refusal = mState->Refusal(SoundCall::CreateBuffer)) return refusal;
    buffer.reset(new SoundBuffer(mState, 0, {}, 0));
    return kResultOk;
  }
  if (!description.format) return kSoundInvalidParam;
  if (!IsPlayableFormat(*description.format)) return kSoundBadFormat;
  if (description.bytes < kSoundMinBufferBytes || description.bytes > kSoundMaxBufferBytes) return kSoundInvalidParam;
  if (ResultCode refusal = mState->Refusal(SoundCall::CreateBuffer)) return refusal;
  SoundMixer::VoiceId voice = mState->mixer.AddVoice(*description.format, description.bytes);
  buffer.reset(new SoundBuffer(mState, voice, *description.format, description.bytes));
  return kResultOk;
}

ResultCode SoundDevice::DuplicateSoundBuffer(const SoundBuffer& original, std::unique_ptr<SoundBuffer>& duplicate) {
  if (!mState->open) return kSoundInvalidCall;
  if (original.IsPrimary() || original.mState != mState) return kSoundInvalidCall;
  if (ResultCode refusal = mState->Refusal(SoundCall::DuplicateBuffer)) return refusal;
  SoundMixer::VoiceId voice = mState->mixer.DuplicateVoice(original.mVoice);
  duplicate.reset(new SoundBuffer(mState, voice, original.mFormat, original.mBytes));
  return kResultOk;
}

void SetSoundOutput(std::shared_ptr<SoundOutput> output) {
  std::lock_guard lock(gDeviceLock);
  gOutput = std::move(output);
}

ResultCode CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
  std::lock_guard lock(gDeviceLock);
  if (gShutDown) return kSoundNoDriver;
  if (auto open = gOpenDevice.lock(); open && open->open) return kSoundAllocated;
  std::shared_ptr<SoundOutput> output = gOutput ? gOutput : std::shared_ptr<SoundOutput>(CreateAudioOutput());
  if (ResultCode refusal = output->TakeFailure(SoundCall::CreateDevice)) return refusal;
  auto state = std::make_shared<SoundDeviceState>(output);
  if (ResultCode failure = output->Open(state->mixer)) return failure;
  state->open = true;
  gOpenDevice = state;
  device.reset(new SoundDevice(state));
  return kResultOk;
}

void ShutdownSound() {
  ShutdownTimers();
  std::lock_guard lock(gDeviceLock);
  gShutDown = true;
  if (auto open = gOpenDevice.lock()) open->Close();
}

void RestartSound() {
  RestartTimers();
  std::lock_guard lock(gDeviceLock);
  gShutDown = false;
}

}  // namespace platform
