#pragma once
#include <cstdint>

// Counts per second of the performance counter, set once by the program entry.
extern float gPerformanceFrequency;

// Measures time on one of three clocks: mode 0 the performance counter (elapsed time in
// microseconds), mode 1 the system time in milliseconds, mode 2 (and any other) the system
// time in seconds.
// A start reading of 0 means "not running"; a clock that happens to read 0 counts as 1.
class Stopwatch {
public:
  explicit Stopwatch(int32_t mode = 1);

  void SetMode(int32_t mode);
  uint32_t Now() const;
  void Start();
  void Reset();
  void Restart();
  uint32_t Elapsed() const;
  bool IsRunning() const { return mStart != 0; }
  int32_t Mode() const { return mMode; }

private:
  int32_t mMode;
  uint32_t mStart = 0;
  uint32_t mAccumulated = 0;
  uint32_t mFrequency = 0;
};

// Waits actively until the given milliseconds have passed; neither sleeps nor dispatches.
void DelayMs(uint32_t milliseconds);
// The system time in milliseconds.
uint32_t GetSystemTimeMs();
// The current time in milliseconds from the performance counter, or the system time
// when there is no counter.
float GetTimeMs();
