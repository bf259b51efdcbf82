#include "platform/Clock.h"

#include <chrono>

namespace platform {
namespace {

// Microsecond counter and millisecond time, both counted from the first reading plus 1.
class SteadyClock : public ClockSource {
public:
  bool ReadCounter(uint64_t& counts) override {
    counts = static_cast<uint64_t>(ElapsedSinceStart<std::chrono::microseconds>()) + 1;
    return true;
  }
  uint64_t CounterFrequency() override { return 1000000; }
  uint32_t SystemTimeMs() override {
    uint32_t ms = static_cast<uint32_t>(ElapsedSinceStart<std::chrono::milliseconds>() + 1);
    return ms != 0 ? ms : 1;
  }

private:
  template <class Unit>
  int64_t ElapsedSinceStart() const {
    return std::chrono::duration_cast<Unit>(std::chrono::steady_clock::now() - mStart).count();
  }
  std::chrono::steady_clock::time_point mStart = std::chrono::steady_clock::now();
};

SteadyClock& RealClock() {
  static SteadyClock clock;
  return clock;
}

ClockSource* gClock = nullptr;

}  // namespace

bool ManualClock::ReadCounter(uint64_t& counts) {
  counts = counter;
  counter += counterStepPerRead;
  return hasCounter;
}

uint32_t ManualClock::SystemTimeMs() {
  uint32_t now = systemMs;
  systemMs += msStepPerRead;
  return now;
}

ClockSource& Clock() { return gClock ? *gClock : RealClock(); }

void SetClockSource(ClockSource* source) { gClock = source; }

uint32_t GetSystemTimeMs() { return Clock().SystemTimeMs(); }

bool QueryPerformanceCounter(uint64_t& counts) { return Clock().ReadCounter(counts); }

uint64_t QueryPerformanceFrequency() { return Clock().CounterFrequency(); }

}  // namespace platform
