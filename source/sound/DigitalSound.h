#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/SoundBuffer.h"
#include "platform/SoundDevice.h"
#include "sound/Sound.h"
#include "sound/StreamState.h"
#include "sound/WaveFile.h"

// A WAVE file played through the sound device: read whole into a buffer at its first play,
// or streamed from the file through a looping buffer of 1.2 s refilled every 50 ms. Up to
// eight buffers (its own and seven duplicates sharing the data) let it overlap itself.
// Every public operation holds the sound lock, so timer callbacks never interleave with it.
enum SoundLoadMode : int32_t {
  kLoadInMemory = 0,
  kLoadStreamed = 1,
  kLoadStreamedIfLarge = 2,
};

// Files from this size on are streamed under kLoadStreamedIfLarge.
constexpr int64_t kStreamFileBytes = 200000;
constexpr int kSoundBufferSlots = 8;

class DigitalSound : public Sound {
public:
  DigitalSound();
  DigitalSound(const std::string& fileName, int32_t loadMode);
  explicit DigitalSound(int32_t resourceId);
  ~DigitalSound() override;
  DigitalSound(const DigitalSound&) = delete;
  DigitalSound& operator=(const DigitalSound&) = delete;

  void SetFileName(const std::string& name) override;
  int Play(int loop, int mode) override;
  int Stop() override;
  int IsPlaying() override { return IsPlaying(nullptr); }
  int SetCompletionCallback(CompletionCallback callback, uintptr_t data) override;
  void ClearCompletionCallback() override;
  uint32_t GetRemainingTime() override;
  int GetVolume(int32_t& volume) override;
  int SetVolume(int32_t volume) override;
  int IsDigital() override { return 1; }

  void SetFile(const std::string& name, int32_t loadMode);
  int Load();
  int LoadFromResource() { return 0; }
  int LoadFromFile();
  void Unload();
  int ShouldStream();
  int IsPlaying(platform::SoundBuffer** playing);
  int GetPan(int32_t& pan);
  int SetPan(int32_t pan);
  uint32_t GetBaseFrequency();
  int GetFrequency(uint32_t& frequency);
  int SetFrequency(uint32_t frequency);
  int CreateSoundBuffer(const platform::SoundBufferDescription* description);
  int CreatePrimaryBuffer();
  int ReleaseBuffers();

  // The sound's own buffer (slot 0), or null.
  platform::SoundBuffer* OwnBuffer() const { return mpBuffers[0].get(); }
  WaveFormat& Format() { return mFormat; }

  // Streaming.
  int InitializeStreamBuffer(int stopIfPlaying);
  int PlayStream();
  int StopStream();
  // One refill of the streaming buffer; the stream timer calls it.
  void RefillStream();

  // Completion.
  void OnCompletionTimer();
  void KillCompletionTimer();
  uint32_t StartCompletionTimer();

private:
  int GetSoundAliasToPlay(platform::SoundBuffer** alias);
  int PlayBuffer(platform::SoundBuffer& buffer, uint32_t flags);
  void AfterPlay();
  int ReadIntoBuffer(WaveFileHandle& file, platform::RiffChunk& dataChunk);
  // Stream helpers.
  int PrimeStream();
  int StartStreamTimer();
  int FillFromFile(uint8_t* region, uint32_t size, uint32_t& dataBytes);
  void FillSilence(uint8_t* region, uint32_t size) const;
  void CountDataAhead(uint32_t dataEnd, uint32_t cursor);
  bool DataHeard(uint32_t cursor);
  void AdvanceWritePos();
  void RefillSegment();

  int32_t mLoadMode = kLoadInMemory;
  uint32_t mCompletionTimer = 0;
  uint32_t mDataSize = 0;
  WaveFormat mFormat;
  std::array<std::unique_ptr<platform::SoundBuffer>, kSoundBufferSlots> mpBuffers;
  std::unique_ptr<StreamState> mpStream;
  uint32_t mBufferFlags = platform::kSoundBufferControlDefault;
};
