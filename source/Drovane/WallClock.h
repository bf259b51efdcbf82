#pragma once
#include <ctime>
#include <functional>

// The date and time of day as the C library tells them, through a clock tests can replace.
using WallClock = std::function<std::time_t()>;

// Installs the clock; an empty one restores the system's.
void SetWallClock(WallClock clock);
std::time_t WallClockNow();
// The local calendar fields of now (localtime, after the time-zone set-up).
std::tm LocalTimeNow();
