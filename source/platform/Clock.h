#pragma once
#include <cstdint>

namespace platform {

// The clocks the game reads: a performance counter and the millisecond system time.
// The real source reads the monotonic clock; tests install a ManualClock.
class ClockSource {
public:
  virtual ~ClockSource() = default;
  // Counter reading; false when the machine has no performance counter.
  virtual bool ReadCounter(uint64_t& counts) = 0;
  // Counts per second of the counter.
  virtual uint64_t CounterFrequency() = 0;
  // Milliseconds since an arbitrary start, wrapping at 32 bits.
  virtual uint32_t SystemTimeMs() = 0;
};

// A clock that moves only when told to. Each reading can also advance it by a step,
// so that code which spins on the clock finishes.
class ManualClock : public ClockSource {
public:
  bool ReadCounter(uint64_t& counts) override;
  uint64_t CounterFrequency() override { return frequency; }
  uint32_t SystemTimeMs() override;

  uint64_t counter = 1;
  uint64_t counterStepPerRead = 0;
  uint64_t frequency = 1000000;
  bool hasCounter = true;
  uint32_t systemMs = 1;
  uint32_t msStepPerRead = 0;
};

// The clock in use; SetClockSource(nullptr) restores the real one.
ClockSource& Clock();
void SetClockSource(ClockSource* source);

// The real clock never reads 0: code that keeps 0 as "not started" relies on it.
uint32_t GetSystemTimeMs();
bool QueryPerformanceCounter(uint64_t& counts);
uint64_t QueryPerformanceFrequency();

}  // namespace platform
