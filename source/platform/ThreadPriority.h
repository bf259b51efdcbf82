#pragma once

// The calling thread's scheduling priority as the game sets it (0 normal, 2 highest). It is
// recorded, not applied: the desktop's scheduler is left alone.
namespace platform {

constexpr int kThreadPriorityNormal = 0;
constexpr int kThreadPriorityHighest = 2;

int GetThreadPriority();
void SetThreadPriority(int priority);

}  // namespace platform
