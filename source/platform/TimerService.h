#pragma once
#include <cstdint>
#include <mutex>

#include "platform/Clock.h"
#include "platform/ResultCodes.h"

// The multimedia timers: one thread runs one-shot and periodic callbacks against the clock in
// use. Each callback runs holding the sound lock, which the sound classes also take around
// their own operations; so a timer killed by a holder of that lock never starts its callback
// afterwards. A callback may kill or set timers, its own included.
// Headless, no thread runs: AdvanceClock moves a ManualClock and runs the callbacks itself.
namespace platform {

using TimerCallback = void (*)(uint32_t id, uint32_t message, uintptr_t user, uintptr_t reserved1,
                               uintptr_t reserved2);

enum TimerEventKind : uint32_t {
  kTimerOneShot = 0,
  kTimerPeriodic = 1,
};

constexpr uint32_t kTimerMinDelayMs = 1;
constexpr uint32_t kTimerMaxDelayMs = 1000000;

// A timer due `delayMs` from now (and every `delayMs` after, when periodic); its id, or 0
// when the delay is out of range, the callback missing or the service shut down. The
// resolution is accepted and not used.
uint32_t TimeSetEvent(uint32_t delayMs, uint32_t resolutionMs, TimerCallback callback, uintptr_t user,
                      uint32_t kind);
// kResultOk, or kTimerInvalidParam for an id that is not set.
ResultCode TimeKillEvent(uint32_t id);
// Resolution requests: they succeed and change nothing.
ResultCode TimeBeginPeriod(uint32_t periodMs);
ResultCode TimeEndPeriod(uint32_t periodMs);

// The lock every timer callback runs under.
std::recursive_mutex& SoundLock();

// Headless: the thread stops and timers run only in AdvanceClock.
void SetTimersHeadless(bool headless);

// Told of each time AdvanceClock stops at, before the callbacks due then run.
class ClockStepListener {
public:
  virtual ~ClockStepListener() = default;
  virtual void OnClockStep(uint32_t nowMs) = 0;
};
void AddClockStepListener(ClockStepListener* listener);
void RemoveClockStepListener(ClockStepListener* listener);

// Moves the clock on to `targetMs`, stopping at each due time on the way: the listeners hear
// of the new time, then the callbacks due run on the calling thread. A target behind the
// clock changes nothing.
void AdvanceClock(ManualClock& clock, uint32_t targetMs);

// Kills every timer, joins the thread and refuses new timers until RestartTimers.
void ShutdownTimers();
void RestartTimers();

}  // namespace platform
