#pragma once
#include <functional>

// Asks the flight screen's sky to follow the world's day or night. The game installs the
// hook while a world is loaded and the cockpit's sky backdrop exists, and removes it (an
// empty hook) when either goes.
using SkyDayNightHook = std::function<void()>;
void SetSkyDayNightHook(SkyDayNightHook hook);

// Runs the hook; nothing without one. The world's day/night switch calls it.
void UpdateSkyDayNight();
