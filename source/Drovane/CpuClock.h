#pragma once
#include <cstdint>

// The processor clock as one measurement gives it.
struct CpuClockRecord {
  uint32_t cycles = 0;
  uint32_t microseconds = 0;
  uint32_t megahertz = 0;
  uint32_t normalizedMegahertz = 0;
  bool operator==(const CpuClockRecord&) const = default;
};

// Measures the clock against the performance counter: by the time-stamp counter when the
// processor has one and clocks is 0, otherwise by timing a loop of bit scans that take
// clocks cycles each (0: the family's usual count). An all-zero record when the processor
// is not identified as Intel, clocks is outside 0..150, there is no performance counter or
// the counter does not move.
CpuClockRecord MeasureCpuClock(int32_t clocks);
// The normalised megahertz of a measurement with the family's count.
uint32_t GetCpuSpeed();
// The first known speed of the family whose tolerance covers the megahertz, else the
// megahertz unchanged.
uint32_t NormalizeCpuSpeed(uint16_t type, uint32_t megahertz);
