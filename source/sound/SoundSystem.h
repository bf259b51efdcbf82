#pragma once
#include <cstdint>
#include <memory>

#include "platform/SoundDevice.h"
#include "platform/WindowMessages.h"

class DigitalSound;

// The process's one sound device and its primary buffer, which plays looping from set-up to
// exit; every other buffer is made from the device through lpDS.
class SoundSystem {
public:
  SoundSystem();
  virtual ~SoundSystem();
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  // 1 once the device is made and the primary buffer plays; 0 (reported, game silent) else.
  int Initialize(platform::WindowHandle window);
  // Deletes the primary sound and closes the device: sounds made after it fail quietly.
  void Release();
  // 0 silent .. 10000 full.
  virtual int GetPrimaryVolume(int32_t& volume);
  virtual int SetPrimaryVolume(int32_t volume);

  int IsReady() const { return mReady; }

private:
  void CleanUp();

  int32_t mReady = 0;
  std::unique_ptr<DigitalSound> mpPrimarySound;
  platform::SoundBuffer* mpPrimaryBuffer = nullptr;
  std::unique_ptr<platform::SoundDevice> mpDirectSound;
  platform::SoundCaps mCaps;
};

// The device every sound makes its buffers with; null while there is none.
extern platform::SoundDevice* lpDS;
extern SoundSystem gSoundSystem;
