#include "Drovane/MatchSurfaceColor.h"

#include "platform/DeviceContext.h"

using namespace platform;

namespace {

// Reads pixel (0, 0) and, when given, writes a new value there; false when it cannot be had.
bool AccessFirstPixel(DisplaySurface* surface, uint8_t& value, const uint8_t* replacement) {
  SurfaceDesc desc;
  if (surface->Lock(desc) != kResultOk) return false;
  const bool hasPixel = desc.bits && desc.width > 0 && desc.height > 0;
  if (hasPixel) {
    value = desc.bits[0];
    if (replacement) desc.bits[0] = *replacement;
  }
  surface->Unlock(desc.bits);
  return hasPixel;
}

}  // namespace

int32_t MatchSurfaceColor(DisplaySurface* surface, uint32_t rgb) {
  uint8_t saved = 0;
  if (!surface || !AccessFirstPixel(surface, saved, nullptr)) return -1;
  {
    DeviceContext context(surface);
    if (!context.IsValid()) return -1;
    context.SetPixel(0, 0, rgb);
  }
  uint8_t matched = 0;
  if (!AccessFirstPixel(surface, matched, &saved)) return -1;
  return matched;
}
