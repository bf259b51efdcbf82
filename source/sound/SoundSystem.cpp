#include "sound/SoundSystem.h"

#include <mutex>

#include "Drovane/ErrorReport.h"
#include "platform/SoundBuffer.h"
#include "platform/TimerService.h"
#include "sound/DigitalSound.h"

namespace {

void FillPrimaryFormat(WaveFormat& format) {
  format = WaveFormat();
  format.formatTag = platform::kWaveFormatPcm;
  format.channels = 2;
  format.samplesPerSecond = 22050;
  format.averageBytesPerSecond = 44100;
  format.blockAlign = 2;
  format.bitsPerSample = 8;
}

}  // namespace

// The timer service, and with it the sound lock, is made here so that it outlives the object.
SoundSystem::SoundSystem() { platform::SoundLock(); }

SoundSystem::~SoundSystem() { Release(); }

int SoundSystem::Initialize(platform::WindowHandle window) {
  std::lock_guard lock(platform::SoundLock());
  mpPrimarySound = std::make_unique<DigitalSound>();
  FillPrimaryFormat(mpPrimarySound->Format());
  platform::ResultCode result = platform::CreateSoundDevice(mpDirectSound);
  if (result != platform::kResultOk) {
    ReportDirectSoundError(result, "Error in call to SoundSystem::Initialize() DirectSoundCreate()");
    mpDirectSound.reset();
    CleanUp();
    return 0;
  }
  lpDS = mpDirectSound.get();
  result = mpDirectSound->GetCaps(mCaps);
  if (result != platform::kResultOk) {
    ReportDirectSoundError(result, "Error in call to SoundSystem::Initialize() GetCaps()");
    CleanUp();
    return 0;
  }
  result = mpDirectSound->SetCooperativeLevel(window, platform::kSoundLevelNormal);
  if (result != platform::kResultOk) {
    ReportDirectSoundError(result, "Error in call to SoundSystem::Initialize() SetCooperativeLevel()");
    CleanUp();
    return 0;
  }
  if (!mpPrimarySound->CreatePrimaryBuffer()) {
    CleanUp();
    return 0;
  }
  mpPrimaryBuffer = mpPrimarySound->OwnBuffer();
  result = mpPrimaryBuffer->Play(platform::kSoundPlayLooping);
  if (result != platform::kResultOk) {
    ReportDirectSoundError(result, "Error in call to SoundSystem::Initialize() Play()");
    CleanUp();
    return 0;
  }
  mReady = 1;
  return 1;
}

void SoundSystem::CleanUp() {
  if (mpPrimarySound && mpPrimarySound->OwnBuffer()) mpPrimarySound->ReleaseBuffers();
  mpPrimaryBuffer = nullptr;
  if (mpDirectSound) {
    mpDirectSound.reset();
    lpDS = nullptr;
  }
}

void SoundSystem::Release() {
  std::lock_guard lock(platform::SoundLock());
  mpPrimarySound.reset();
  mpPrimaryBuffer = nullptr;
  mReady = 0;
  if (lpDS == mpDirectSound.get()) lpDS = nullptr;
  mpDirectSound.reset();
}

int SoundSystem::GetPrimaryVolume(int32_t& volume) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpPrimarySound) return 0;
  mpPrimarySound->GetVolume(volume);
  return 1;
}

int SoundSystem::SetPrimaryVolume(int32_t volume) {
  std::lock_guard lock(platform::SoundLock());
  if (!mpPrimarySound) return 0;
  return mpPrimarySound->SetVolume(volume);
}
