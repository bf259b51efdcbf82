#include "Drovane/CpuClock.h"

#include <array>
#include <bit>
#include <vector>

#include "Drovane/CpuInfo.h"
#include "platform/Clock.h"
#include "platform/Processor.h"

namespace {

// The waits are times, whatever the counter's frequency.
constexpr uint64_t kSettleMicroseconds = 50;
constexpr uint64_t kWindowMicroseconds = 1000;
constexpr int kMostTimeStampRuns = 20;
constexpr int kLoopRuns = 10;
constexpr uint32_t kBitScansPerLoop = 4000;
constexpr int32_t kMostClocks = 150;
// A counter that has not moved far enough after this many readings (some 20 times the
// window's length on a real clock) is taken as stuck.
constexpr uint64_t kMostSpinReadings = 1'000'000;

struct SpeedTable {
  uint16_t family;
  uint32_t tolerance;
  std::vector<uint32_t> speeds;
};

const std::array<SpeedTable, 4>& SpeedTables() {
  static const std::array<SpeedTable, 4> tables{{
      {3, 2, {16, 20, 25, 33, 40}},
      {4, 4, {25, 33, 50, 66, 75, 100}},
      {5, 5, {60, 66, 75, 90, 100, 120, 133, 150, 166, 185, 200}},
      {6, 5, {133, 150, 167, 185, 200, 220, 240, 266, 300}},
  }};
  return tables;
}

// Cycles of one bit scan by family; later families take the newest known count.
uint32_t DefaultClocks(uint16_t family) {
  static constexpr uint32_t kByFamily[] = {0, 0, 0, 115, 47, 43, 38, 38};
  return family < std::size(kByFamily) ? kByFamily[family] : 38;
}

// a / b rounded to the nearest, halves down.
uint64_t DivideRounded(unsigned __int128 a, uint64_t b) {
  uint64_t quotient = static_cast<uint64_t>(a / b);
  return a % b > b / 2 ? quotient + 1 : quotient;
}

uint64_t CountsFor(uint64_t microseconds, uint64_t frequency) {
  return static_cast<uint64_t>(static_cast<unsigned __int128>(frequency) * microseconds / 1000000);
}

uint64_t Microseconds(uint64_t counts, uint64_t frequency) {
  return DivideRounded(static_cast<unsigned __int128>(counts) * 1000000, frequency);
}

// Spins until the counter is at least counts past since; false when it does not get there.
bool WaitUntil(uint64_t since, uint64_t counts, uint64_t& now) {
  for (uint64_t readings = 0; readings < kMostSpinReadings; ++readings) {
    if (!platform::QueryPerformanceCounter(now)) return false;
    if (now - since >= counts) return true;
  }
  return false;
}

struct Window {
  uint64_t cycles = 0;
  uint64_t microseconds = 0;
};

// One time-stamp window: settle on a fresh counter tick, then count cycles over 1 ms.
bool TimeStampWindow(uint64_t frequency, Window& window) {
  uint64_t first = 0, start = 0, end = 0;
  if (!platform::QueryPerformanceCounter(first)) return false;
  if (!WaitUntil(first, std::max<uint64_t>(1, CountsFor(kSettleMicroseconds, frequency)), start)) return false;
  uint32_t startStamp = static_cast<uint32_t>(platform::Processor().ReadTimeStamp());
  if (!WaitUntil(start, CountsFor(kWindowMicroseconds, frequency), end)) return false;
  uint32_t endStamp = static_cast<uint32_t>(platform::Processor().ReadTimeStamp());
  window.cycles = endStamp - startStamp;
  window.microseconds = Microseconds(end - start, frequency);
  return true;
}

bool WithinThree(uint64_t value, uint64_t total) {
  uint64_t tripled = value * 3;
  return tripled > total ? tripled - total <= 3 : total - tripled <= 3;
}

// Runs windows until the last three agree or twenty have run.
bool MeasureByTimeStamp(uint64_t frequency, CpuClockRecord& record) {
  std::array<uint64_t, 3> last{};
  uint64_t total = 0;
  Window window;
  for (int run = 0; run < kMostTimeStampRuns; ++run) {
    if (!TimeStampWindow(frequency, window) || window.microseconds == 0) return false;
    last[run % 3] = DivideRounded(window.cycles, window.microseconds);
    total = last[0] + last[1] + last[2];
    if (run >= 2 && WithinThree(last[0], total) && WithinThree(last[1], total) && WithinThree(last[2], total)) break;
  }
  record.cycles = static_cast<uint32_t>(window.cycles);
  record.microseconds = static_cast<uint32_t>(window.microseconds);
  record.megahertz = static_cast<uint32_t>((total + 1) / 3 != total / 3 ? total / 3 + 1 : total / 3);
  return true;
}

uint32_t RunBitScans() {
  volatile uint32_t value = 0x80000000u;
  uint32_t sum = 0;
  for (uint32_t i = 0; i < kBitScansPerLoop; ++i) sum += static_cast<uint32_t>(std::countr_zero(value));
  return sum;
}

// The quickest of ten runs of the bit-scan loop, at clocks cycles a scan.
bool MeasureByLoop(uint64_t frequency, uint32_t clocks, CpuClockRecord& record) {
  volatile uint32_t sink = 0;
  uint64_t quickest = UINT64_MAX;
  for (int run = 0; run < kLoopRuns; ++run) {
    uint64_t before = 0, after = 0;
    if (!platform::QueryPerformanceCounter(before)) return false;
    sink = sink + RunBitScans();
    if (!platform::QueryPerformanceCounter(after)) return false;
    quickest = std::min(quickest, after - before);
  }
  uint64_t microseconds = Microseconds(quickest, frequency);
  if (microseconds == 0) return false;
  uint64_t cycles = uint64_t{clocks} * kBitScansPerLoop;
  record.cycles = static_cast<uint32_t>(cycles);
  record.microseconds = static_cast<uint32_t>(microseconds);
  record.megahertz = static_cast<uint32_t>(DivideRounded(cycles, microseconds));
  return true;
}

}  // namespace

CpuClockRecord MeasureCpuClock(int32_t clocks) {
  uint16_t type = GetCpuFamily();
  uint32_t features = GetCpuFeatureFlags();
  if ((type & kCpuNotIntelMark) || clocks < 0 || clocks > kMostClocks) return {};
  uint64_t frequency = platform::QueryPerformanceFrequency();
  uint64_t ignored = 0;
  if (frequency == 0 || !platform::QueryPerformanceCounter(ignored)) return {};
  CpuClockRecord record;
  if ((features & kCpuFeatureTimeStamp) && clocks == 0) {
    if (!MeasureByTimeStamp(frequency, record)) return {};
  } else {
    uint32_t count = clocks != 0 ? static_cast<uint32_t>(clocks) : DefaultClocks(type);
    if (type < 3) return {count * kBitScansPerLoop, 0, 0, 0};
    if (!MeasureByLoop(frequency, count, record)) return {};
  }
  record.normalizedMegahertz = NormalizeCpuSpeed(type, record.megahertz);
  return record;
}

uint32_t GetCpuSpeed() { return MeasureCpuClock(0).normalizedMegahertz; }

uint32_t NormalizeCpuSpeed(uint16_t type, uint32_t megahertz) {
  for (const SpeedTable& table : SpeedTables()) {
    if (table.family != type) continue;
    for (uint32_t speed : table.speeds)
      if (megahertz <= speed + table.tolerance) return speed;
  }
  return megahertz;
}
