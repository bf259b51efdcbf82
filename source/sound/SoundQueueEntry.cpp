#include "sound/SoundQueueEntry.h"

#include "sound/DigitalSound.h"

SoundQueueEntry::SoundQueueEntry(DigitalSound* sound, uint32_t delayMs, int32_t ownsSound)
    : mpSound(sound), mDelayMs(delayMs), mOwnsSound(ownsSound) {}

SoundQueueEntry::SoundQueueEntry(DigitalSound* sound, uint32_t resourceId, uint32_t delayMs, int32_t ownsSound)
    : mpSound(sound), mResourceId(resourceId), mDelayMs(delayMs), mOwnsSound(ownsSound) {}

SoundQueueEntry::SoundQueueEntry(DigitalSound* sound, const std::string& fileName, uint32_t delayMs,
                                 int32_t ownsSound)
    : mpSound(sound), mFileName(fileName), mDelayMs(delayMs), mOwnsSound(ownsSound) {}

SoundQueueEntry::SoundQueueEntry(const std::string& fileName, uint32_t delayMs)
    : mpSound(new DigitalSound(fileName, kLoadStreamedIfLarge)), mDelayMs(delayMs), mOwnsSound(1) {}

SoundQueueEntry::SoundQueueEntry(uint32_t resourceId, uint32_t delayMs)
    : mpSound(new DigitalSound(static_cast<int32_t>(resourceId))), mDelayMs(delayMs), mOwnsSound(1) {}

SoundQueueEntry::~SoundQueueEntry() {
  if (mOwnsSound) delete mpSound;
}
