#pragma once
#include <cstdint>

// The display's vertical blank: one begins every 1/60 s of the platform clock.
namespace platform {

// True during the first millisecond of a frame.
bool IsInVerticalBlank();
// Spins on the clock until the next frame begins.
void WaitForVerticalBlankBegin();

}  // namespace platform
