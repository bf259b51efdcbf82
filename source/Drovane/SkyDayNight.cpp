#include "Drovane/SkyDayNight.h"

namespace {

SkyDayNightHook& Hook() {
  static SkyDayNightHook hook;
  return hook;
}

}  // namespace

void SetSkyDayNightHook(SkyDayNightHook hook) { Hook() = std::move(hook); }

void UpdateSkyDayNight() {
  if (Hook()) Hook()();
}
