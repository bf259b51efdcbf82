#include "platform/PrimarySurface.h"

#include "platform/SystemPalette.h"
#include "platform/Window.h"

namespace platform {
namespace {

const PrimarySurface* gCurrent = nullptr;

}  // namespace

PrimarySurface::PrimarySurface(WindowHandle window, int32_t width, int32_t height)
    : MemorySurface(width, height, kSurfacePrimary), mWindow(window) {
  gCurrent = this;
}

PrimarySurface::~PrimarySurface() {
  if (gCurrent == this) gCurrent = nullptr;
  if (auto* palette = dynamic_cast<MemoryPalette*>(Palette())) palette->SetWatcher(nullptr);
}

ResultCode PrimarySurface::Blt(const Rect* destRect, DisplaySurface* source, const Rect* srcRect, uint32_t flags,
                               const BltFx* fx) {
  const Point origin = ClientToScreen(mWindow, {0, 0});
  int32_t width = 0, height = 0;
  GetSize(width, height);
  Rect onPicture = destRect ? *destRect : Rect{origin.x, origin.y, origin.x + width, origin.y + height};
  onPicture = {onPicture.left - origin.x, onPicture.top - origin.y, onPicture.right - origin.x,
               onPicture.bottom - origin.y};
  const ResultCode result = MemorySurface::Blt(&onPicture, source, srcRect, flags, fx);
  if (result == kResultOk) Present();
  return result;
}

ResultCode PrimarySurface::SetPalette(DisplayPalette* palette) {
  if (auto* old = dynamic_cast<MemoryPalette*>(Palette())) old->SetWatcher(nullptr);
  const ResultCode result = MemorySurface::SetPalette(palette);
  auto* attached = dynamic_cast<MemoryPalette*>(palette);
  if (attached) {
    attached->SetWatcher(this);
    RealizeSystemPalette(attached->Entries().data());
  }
  Present();
  return result;
}

std::array<Rgb, 256> PrimarySurface::ShownColours() const {
  std::array<PaletteEntry, 256> system{};
  GetSystemPaletteEntries(0, 256, system.data());
  auto* palette = dynamic_cast<const MemoryPalette*>(Palette());
  const std::array<PaletteEntry, 256>& entries = palette ? palette->Entries() : system;
  std::array<Rgb, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    const PaletteEntry& entry = entries[i];
    const PaletteEntry& shown = (entry.flags & kPaletteExplicit) ? system[entry.red] : entry;
    colours[i] = {shown.red, shown.green, shown.blue};
  }
  return colours;
}

const PrimarySurface* PrimarySurface::Current() { return gCurrent; }

ResultCode PrimarySurface::ReleaseDC() {
  const ResultCode result = MemorySurface::ReleaseDC();
  if (result == kResultOk) Present();
  return result;
}

void PrimarySurface::Present() const {
  int32_t width = 0, height = 0;
  GetSize(width, height);
  PresentPicture(mWindow, Pixels(), Pitch(), {width, height}, ShownColours());
}

}  // namespace platform
