#include "sound/SoundMemory.h"

#include <atomic>

namespace {
std::atomic<uint32_t> gSoundMemoryUsed{0};
}

uint32_t GetSoundMemoryUsed() { return gSoundMemoryUsed.load(); }
void AddSoundMemory(uint32_t bytes) { gSoundMemoryUsed += bytes; }
void SubtractSoundMemory(uint32_t bytes) { gSoundMemoryUsed -= bytes; }
