#include "sound/SoundEffects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "Drovane/DataPaths.h"
#include "pel3d/math/FixedPoint.h"
#include "pel3d/math/VectorMath.h"
#include "pel3d/math/Wrap32.h"
#include "sound/DigitalSound.h"
#include "sound/SoundBank.h"
#include "sound/SoundEffectFiles.h"
#include "sound/SoundListener.h"
#include "sound/SoundQueue.h"
#include "sound/SoundSystem.h"

namespace {

constexpr int32_t kFullVolume = 10000;
constexpr int32_t kVolumeFalloff = -4000 * kFixedOne;
constexpr int32_t kSilentDistance = 4800 * kFixedOne;
constexpr int32_t kFullPan = 10000 * kFixedOne;
constexpr int32_t kPanDivisor = 8;

std::array<int32_t, kSoundEffectCount> gSoundEffectVolumes;
int32_t gMasterEffectVolume = kFullVolume;

bool InTable(int number) { return number >= 0 && number < kSoundEffectCount; }

DigitalSound* EffectSound(int number) {
  if (!InTable(number)) return nullptr;
  Sound* sound = gSoundBank.GetSound(number);
  return sound && sound->IsDigital() ? static_cast<DigitalSound*>(sound) : nullptr;
}

// master x own / 10000, kept within 0..10000 whatever own volume a caller set.
int32_t EffectVolume(int32_t own) {
  int64_t volume = int64_t{gMasterEffectVolume} * own / kFullVolume;
  return static_cast<int32_t>(std::clamp<int64_t>(volume, 0, kFullVolume));
}

void ApplyOwnVolume(int number) {
  DigitalSound* sound = EffectSound(number);
  if (sound) sound->SetVolume(EffectVolume(gSoundEffectVolumes[static_cast<size_t>(number)]));
}

std::string EffectPath(const char* fileName) {
  std::string path;
  gDataPaths.GetPathString(kDataSound, 0, fileName, path);
  return path;
}

Vec3 OffsetFrom(const Vec3& position, const Vec3& origin) {
  return {wrap32::Sub(position.x, origin.x), wrap32::Sub(position.y, origin.y), wrap32::Sub(position.z, origin.z)};
}

}  // namespace

int32_t DistanceVolume(int32_t distance) {
  if (distance < 0 || distance >= kSilentDistance) return 0;
  Fixedpoint fraction = FixDiv(distance, kEffectAudibleDistance);
  return kFullVolume + (FixMul(fraction, kVolumeFalloff) >> 16);
}

int InitSoundEffects(platform::WindowHandle window) {
  gSoundEffectVolumes.fill(kFullVolume);
  return gSoundSystem.Initialize(window);
}

int LoadSoundEffects() {
  for (int number = 0; number < kFirstVoiceEffect; ++number)
    gSoundBank.LoadFileSound(EffectPath(SoundEffectFileName(number)), number, kLoadStreamedIfLarge);
  std::string voice = EffectPath(SoundEffectFileName(kFirstVoiceEffect));
  for (int number = kFirstVoiceEffect; number < kSoundEffectCount; ++number)
    gSoundBank.LoadFileSound(voice, number, kLoadInMemory);
  return 1;
}

int32_t MasterEffectVolume() { return gMasterEffectVolume; }

void SetMasterEffectVolume(int32_t volume) {
  gMasterEffectVolume = std::clamp(volume, 0, kFullVolume);
  for (int number = 0; number < kSoundEffectCount; ++number) ApplyOwnVolume(number);
}

int32_t SoundEffectOwnVolume(int number) {
  return InTable(number) ? gSoundEffectVolumes[static_cast<size_t>(number)] : 0;
}

int PlaySoundEffectAt(int number, const Vec3& position, uint32_t flags) {
  if (!InTable(number)) return 0;
  int32_t distance = VecLength(OffsetFrom(position, FrameCameraPosition()));
  // A negative length wrapped past the 32-bit range: farther than anything audible.
  if (distance < 0 || distance >= kEffectAudibleDistance) return 0;
  gSoundEffectVolumes[static_cast<size_t>(number)] = DistanceVolume(distance);
  ApplyOwnVolume(number);
  int mode = (flags & kEffectRestart) ? kPlayModeRestart : kPlayModeLeave;
  return gSoundBank.Play(number, (flags & kEffectLoop) ? 1 : 0, mode);
}

void UpdateSoundEffectPosition(int number, const Vec3& position) {
  DigitalSound* sound = EffectSound(number);
  if (!sound) return;
  Vec3 view;
  TransformVertex(OffsetFrom(position, CameraPosition()), view, CameraOrientation());
  double x = view.x / 65536.0;
  double z = view.z / 65536.0;
  double across = std::sqrt(z * z + x * x);
  int32_t sideways = across == 0.0 ? 0 : static_cast<int32_t>(x / across * 65536.0);
  // The horizontal distance fits 16.16 below 32768 units; farther is silent anyway.
  int32_t distance = across < 32768.0 ? static_cast<int32_t>(across * 65536.0) : kSilentDistance;
  int32_t own = DistanceVolume(distance);
  int32_t pan = (FixMul(kFullPan, sideways) >> 16) / kPanDivisor;
  gSoundEffectVolumes[static_cast<size_t>(number)] = own;
  sound->SetVolume(EffectVolume(own));
  sound->SetPan(pan);
}

void StopSoundEffect(int number) {
  if (InTable(number)) gSoundBank.Stop(number);
}

void StopAllSoundEffects() { gSoundBank.StopAll(); }

void ShiftSoundEffectPitch(int number, int32_t delta) {
  DigitalSound* sound = EffectSound(number);
  if (!sound) return;
  int64_t hertz = int64_t{sound->GetBaseFrequency()} + delta;
  sound->SetFrequency(static_cast<uint32_t>(std::clamp<int64_t>(hertz, 0, UINT32_MAX)));
}

void SetSoundEffectFrequency(int number, uint32_t hertz) {
  DigitalSound* sound = EffectSound(number);
  if (sound) sound->SetFrequency(hertz);
}

void SetSoundEffectVolume(int number, int32_t offset) {
  if (!InTable(number)) return;
  gSoundEffectVolumes[static_cast<size_t>(number)] = static_cast<int32_t>(
      std::clamp<int64_t>(int64_t{offset} + kFullVolume, INT32_MIN, INT32_MAX));
  ApplyOwnVolume(number);
}

int IsSoundEffectPlaying(int number) {
  DigitalSound* sound = EffectSound(number);
  return sound ? sound->IsPlaying() : 0;
}

void ReplaceSoundEffect(int number, const char* fileName) {
  DigitalSound* sound = EffectSound(number);
  if (sound && fileName) sound->SetFile(EffectPath(fileName), kLoadStreamedIfLarge);
}

void QueueSoundEffect(int queue, int number, uint32_t delayMs) {
  DigitalSound* sound = EffectSound(number);
  if (!sound || queue < 0 || queue >= kSoundQueueCount) return;
  sound->SetVolume(gMasterEffectVolume);
  gSoundQueues[queue].Add(std::make_unique<SoundQueueEntry>(sound, delayMs, 0));
}
