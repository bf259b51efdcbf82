#include "Drovane/Stopwatch.h"

#include "platform/Clock.h"

float gPerformanceFrequency = 0.0f;

namespace {

uint32_t CounterFrequencyLow32() {
  return static_cast<uint32_t>(platform::QueryPerformanceFrequency());
}

}  // namespace

Stopwatch::Stopwatch(int32_t mode) : mMode(mode) {
  if (mMode == 0) mFrequency = CounterFrequencyLow32();
}

void Stopwatch::SetMode(int32_t mode) {
  if (mode == mMode) return;
  mMode = mode;
  if (mMode == 0 && mFrequency == 0) mFrequency = CounterFrequencyLow32();
  Reset();
}

uint32_t Stopwatch::Now() const {
  uint32_t reading;
  if (mMode == 0) {
    uint64_t counts = 0;
    platform::QueryPerformanceCounter(counts);
    reading = static_cast<uint32_t>(counts);
  } else if (mMode == 1) {
    reading = platform::GetSystemTimeMs();
  } else {
    reading = platform::GetSystemTimeMs() / 1000;
  }
  // 0 marks a stopped stopwatch: a reading of 0 would leave it looking stopped.
  return reading != 0 ? reading : 1;
}

void Stopwatch::Start() {
  if (mStart == 0) mStart = Now();
}

void Stopwatch::Reset() {
  mAccumulated = 0;
  mStart = 0;
}

void Stopwatch::Restart() {
  Reset();
  Start();
}

uint32_t Stopwatch::Elapsed() const {
  uint32_t elapsed = mAccumulated;
  if (mStart != 0) elapsed += Now() - mStart;
  if (mMode == 0 && mFrequency != 0) {
    // Counts to microseconds, rounded to the nearest as the system's MulDiv does.
    uint64_t scaled = static_cast<uint64_t>(elapsed) * 1000000u + mFrequency / 2;
    return static_cast<uint32_t>(scaled / mFrequency);
  }
  return elapsed;
}

void DelayMs(uint32_t milliseconds) {
  Stopwatch watch(1);
  watch.Start();
  while (watch.Elapsed() < milliseconds) {
  }
}

uint32_t GetSystemTimeMs() { return platform::GetSystemTimeMs(); }

float GetTimeMs() {
  uint64_t counts = 0;
  if (platform::QueryPerformanceCounter(counts) && gPerformanceFrequency > 0.0f) {
    double high = static_cast<double>(counts >> 32) * 4294967296.0;
    double low = static_cast<double>(counts & 0xFFFFFFFFu);
    return static_cast<float>((high + low) * 1000.0 / gPerformanceFrequency);
  }
  return static_cast<float>(platform::GetSystemTimeMs());
}
