#include "Drovane/WallClock.h"

namespace {

WallClock& Clock() {
  static WallClock clock;
  return clock;
}

}  // namespace

void SetWallClock(WallClock clock) { Clock() = std::move(clock); }

std::time_t WallClockNow() { return Clock() ? Clock()() : std::time(nullptr); }

std::tm LocalTimeNow() {
  std::time_t now = WallClockNow();
  std::tm fields{};
  tzset();
  localtime_r(&now, &fields);
  return fields;
}
