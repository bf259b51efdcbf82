// The sound globals, in one place so that their order is fixed: the system is built before
// the bank and the radio and so destroyed after them, once their sounds have released their
// buffers; the queues come last, so they stop and let go of the bank's sounds before those go.
#include "sound/Radio.h"
#include "sound/SoundBank.h"
#include "sound/SoundQueue.h"
#include "sound/SoundSystem.h"

platform::SoundDevice* lpDS = nullptr;
SoundSystem gSoundSystem;
SoundBank gSoundBank;
Radio gRadio;
SoundQueue gSoundQueues[kSoundQueueCount];
