#pragma once
#include <cstdint>

#include "pel3d/math/Vec3.h"
#include "platform/WindowMessages.h"

// The world's sound effects, by number (0..112, the slots of gSoundBank; see
// SoundEffectFiles.h): played at world positions with a volume falling off with the distance
// from the camera, re-aimed with volume and pan from the camera's view, and queued behind
// other sounds. Each effect has its own volume (0..10000); one master volume (0..10000, the
// preferences' volume record) scales them all: a sound gets master x own / 10000. A number
// outside 0..112 does nothing and returns 0. All of it runs on the main thread.

// Play flags: bit 0 loops; bit 1 rewinds a playing sound (play mode 1) instead of leaving it.
enum SoundEffectFlags : uint32_t {
  kEffectLoop = 0x1,
  kEffectRestart = 0x2,
};

// Beyond this distance (16.16, 1920.0 units) an effect is not played.
constexpr int32_t kEffectAudibleDistance = 0x7800000;

// Own volumes to 10000, then the sound system on the window; non-zero on success.
int InitSoundEffects(platform::WindowHandle window);
// Gives every slot its sound of the "sound\" folder, read at its first play; returns 1.
int LoadSoundEffects();

int32_t MasterEffectVolume();
// Clamped to 0..10000; every loaded effect is rescaled from its own volume.
void SetMasterEffectVolume(int32_t volume);
// The effect's own volume; 0 outside the table.
int32_t SoundEffectOwnVolume(int number);

// Plays the effect when it lies within 1920.0 units of the frame's camera position (measured
// in three dimensions), at its distance's volume; the play's result, or 0.
int PlaySoundEffectAt(int number, const Vec3& position, uint32_t flags);
// Sets a playing effect's volume and pan from where it lies in the camera's view (measured
// across the camera's horizontal plane); from 4800.0 units on it is silent.
void UpdateSoundEffectPosition(int number, const Vec3& position);
void StopSoundEffect(int number);
void StopAllSoundEffects();
// The file's own rate plus `delta` hertz.
void ShiftSoundEffectPitch(int number, int32_t delta);
// Plays the effect's sound at `hertz` (the people's footsteps retune theirs).
void SetSoundEffectFrequency(int number, uint32_t hertz);
// The own volume becomes offset + 10000: 0 is full, -10000 silent.
void SetSoundEffectVolume(int number, int32_t offset);
int IsSoundEffectPlaying(int number);
// The effect plays another file of the "sound\" folder from its next play on.
void ReplaceSoundEffect(int number, const char* fileName);
// Appends the effect, at the master volume, to sound queue 0 or 1 after `delayMs`.
void QueueSoundEffect(int queue, int number, uint32_t delayMs);

// The own volume of a 16.16 distance: 10000 at the camera, 6000 at 1920.0, 0 at 4800.0,
// never below 0.
int32_t DistanceVolume(int32_t distance);
