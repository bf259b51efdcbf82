#pragma once
#include <cstdint>
#include <string>

class DigitalSound;

// One sound waiting in a SoundQueue: the sound, what it is given just before it plays (a
// resource id, or a file name to reload from), the delay before it starts once it leads the
// queue, and whether the entry owns the sound. An owned sound is deleted with its entry.
class SoundQueueEntry {
public:
  SoundQueueEntry(DigitalSound* sound, uint32_t delayMs, int32_t ownsSound);
  SoundQueueEntry(DigitalSound* sound, uint32_t resourceId, uint32_t delayMs, int32_t ownsSound);
  SoundQueueEntry(DigitalSound* sound, const std::string& fileName, uint32_t delayMs, int32_t ownsSound);
  // A new sound of the file (streamed when large), owned.
  SoundQueueEntry(const std::string& fileName, uint32_t delayMs);
  // A new sound of the resource, owned.
  SoundQueueEntry(uint32_t resourceId, uint32_t delayMs);
  ~SoundQueueEntry();
  SoundQueueEntry(const SoundQueueEntry&) = delete;
  SoundQueueEntry& operator=(const SoundQueueEntry&) = delete;

  DigitalSound* mpSound = nullptr;
  uint32_t mResourceId = 0;
  std::string mFileName;
  uint32_t mDelayMs = 0;
  int32_t mOwnsSound = 0;
};
