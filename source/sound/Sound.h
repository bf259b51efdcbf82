#pragma once
#include <cstdint>
#include <string>

// What the game plays: a sound from a file with a volume (0 silent .. 10000 full), play
// modes and a call when a play it armed has finished.
using CompletionCallback = void (*)(uintptr_t data);

enum SoundSourceKind : int32_t {
  kSoundFromResource = 0,
  kSoundFromFile = 1,
};

// The play modes of Play: 0 takes the sound's own; 1 rewinds a playing sound; 2 leaves a
// playing sound alone; 3 plays another copy beside it.
enum SoundPlayMode : int32_t {
  kPlayModeDefault = 0,
  kPlayModeRestart = 1,
  kPlayModeLeave = 2,
  kPlayModeOverlap = 3,
};

constexpr int32_t kSoundVolumeMax = 10000;

class Sound {
public:
  Sound() = default;
  Sound(const Sound& other) { *this = other; }
  Sound& operator=(const Sound& other);
  virtual ~Sound() = default;

  virtual void SetFileName(const std::string& name) = 0;
  virtual int Play(int loop, int mode) = 0;
  virtual int Stop() = 0;
  virtual int IsPlaying() = 0;
  virtual int SetCompletionCallback(CompletionCallback callback, uintptr_t data) = 0;
  virtual void ClearCompletionCallback() = 0;
  virtual uint32_t GetRemainingTime() = 0;
  virtual int GetVolume(int32_t& volume) = 0;
  virtual int SetVolume(int32_t volume) = 0;
  virtual int IsDigital() { return 0; }

  // The mode a Play with mode 0 uses.
  void SetPlayMode(int32_t mode) { mPlayMode = mode; }
  int32_t IsStreaming() const { return mStreaming; }
  void SetResourceId(int32_t id) { mResourceId = id; }

  bool operator<(const Sound& other) const { return mKey < other.mKey; }
  bool operator==(const Sound& other) const;

protected:
  int32_t mSourceKind = kSoundFromFile;
  int32_t mPlayMode = kPlayModeOverlap;
  int32_t mKey = 0;
  int32_t mResourceId = 0;
  std::string mFileName;
  int32_t mLooping = 0;
  int32_t mStreaming = 0;
  int32_t mVolume = kSoundVolumeMax;
  CompletionCallback mpCompletionCallback = nullptr;
  uintptr_t mCompletionData = 0;
  int32_t mReloadPending = 0;
};
