#include "Drovane/DirectDrawObject.h"

using namespace platform;

DisplayDevice* lpDD = nullptr;
DisplayCaps gDDCaps;
DisplayPalette* lpPalette = nullptr;

uint32_t DDEnable() {
  if (!lpDD) {
    const ResultCode created = DirectDrawCreate(&lpDD);
    if (created != kResultOk) {
      lpDD = nullptr;
      return created;
    }
  }
  const ResultCode caps = lpDD->GetCaps(gDDCaps);
  if (caps != kResultOk) DDDisable();
  return caps;
}

void DDDisable() {
  if (!lpDD) return;
  lpDD->Release();
  lpDD = nullptr;
}
