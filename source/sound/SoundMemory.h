#pragma once
#include <cstdint>

// Bytes of sound buffers made and not yet released, shown by the frame-rate display. Buffers
// are made on the main and the timer thread alike.
uint32_t GetSoundMemoryUsed();
void AddSoundMemory(uint32_t bytes);
void SubtractSoundMemory(uint32_t bytes);
