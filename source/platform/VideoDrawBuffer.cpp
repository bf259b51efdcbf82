#include "platform/VideoDrawBuffer.h"

#include <algorithm>

#include "platform/PrimarySurface.h"
#include "platform/Window.h"

namespace platform {
namespace {

constexpr uint8_t kGameColourFlags = kPaletteReserved | kPaletteNoCollapse;

PaletteEntry GameEntry(const Rgb& colour) { return {colour.red, colour.green, colour.blue, kGameColourFlags}; }

// The index of the colour nearest by 3 red² + 4 green² + 2 blue², the first on ties.
uint8_t NearestIndex(const std::array<Rgb, 256>& colours, Rgb colour) {
  int64_t bestDistance = INT64_MAX;
  size_t best = 0;
  for (size_t i = 0; i < colours.size(); ++i) {
    const int64_t red = colours[i].red - colour.red;
    const int64_t green = colours[i].green - colour.green;
    const int64_t blue = colours[i].blue - colour.blue;
    const int64_t distance = 3 * red * red + 4 * green * green + 2 * blue * blue;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

VideoDrawBuffer::VideoDrawBuffer(WindowHandle window, MemorySurface* surface, const VideoTarget& target)
    : mWindow(window), mpSurface(surface), mTarget(target), mWidth(target.width), mHeight(target.height) {}

VideoDrawBuffer::~VideoDrawBuffer() { mpSurface->Release(); }

std::unique_ptr<VideoDrawBuffer> VideoDrawBuffer::Create(WindowHandle window, int32_t videoWidth, int32_t videoHeight) {
  if (videoWidth < 1 || videoHeight < 1 || videoWidth > kMaxVideoSide || videoHeight > kMaxVideoSide) return nullptr;
  auto* surface = new MemorySurface(videoWidth, videoHeight, kSurfaceOffscreenPlain | kSurfaceSystemMemory);
  // The memory stays where it is for the surface's life; the lock only tells where.
  SurfaceDesc desc;
  surface->Lock(desc);
  surface->Unlock(desc.bits);
  const VideoTarget target{desc.bits, desc.pitch, videoWidth, videoHeight, 0, 0};
  return std::unique_ptr<VideoDrawBuffer>(new VideoDrawBuffer(window, surface, target));
}

VideoTarget VideoDrawBuffer::Target() const { return mTarget; }

void VideoDrawBuffer::SetPalette(const std::array<Rgb, 256>& colours) {
  mColours = colours;
  mPalettePending = true;
}

// The game's colours 10 to 245 into the palette the primary surface shows; a surface without
// one gets a palette whose static entries stand for the system's colours.
void VideoDrawBuffer::ApplyPalette(DisplaySurface* primary) {
  auto* surface = dynamic_cast<MemorySurface*>(primary);
  if (!mPalettePending || !surface) return;
  mPalettePending = false;
  PaletteEntry entries[256];
  for (int32_t i = 0; i < 256; ++i) {
    entries[i] = IsStaticColourIndex(i) ? PaletteEntry{static_cast<uint8_t>(i), 0, 0, kPaletteExplicit}
                                        : GameEntry(mColours[static_cast<size_t>(i)]);
  }
  if (DisplayPalette* shown = surface->Palette()) {
    shown->SetEntries(kFirstGameColour, kLastGameColour - kFirstGameColour + 1, entries + kFirstGameColour);
    return;
  }
  auto* palette = new MemoryPalette(entries);
  surface->SetPalette(palette);
  palette->Release();
}

Rect VideoDrawBuffer::PictureRect(DisplaySurface* primary) {
  int32_t width = 0, height = 0;
  primary->GetSize(width, height);
  return {0, 0, width, height};
}

Rect VideoDrawBuffer::OnScreen(WindowHandle window, const Rect& rect) {
  const Point origin = ClientToScreen(window, {0, 0});
  return {rect.left + origin.x, rect.top + origin.y, rect.right + origin.x, rect.bottom + origin.y};
}

uint16_t VideoDrawBuffer::CopyToWindow(DisplaySurface* primary, int32_t x, int32_t y, const Rect& rect) {
  if (!primary) return 1;
  ApplyPalette(primary);
  const Rect picture = PictureRect(primary);
  // The source cut to the buffer, then by whatever of it would land outside the picture.
  const int64_t left = std::max({int64_t{rect.left}, int64_t{0}, int64_t{picture.left} - x});
  const int64_t top = std::max({int64_t{rect.top}, int64_t{0}, int64_t{picture.top} - y});
  const int64_t right = std::min({int64_t{rect.right}, int64_t{mWidth}, int64_t{picture.right} - x});
  const int64_t bottom = std::min({int64_t{rect.bottom}, int64_t{mHeight}, int64_t{picture.bottom} - y});
  if (right <= left || bottom <= top) return 0;
  const Rect from{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
                  static_cast<int32_t>(bottom)};
  const Rect to{static_cast<int32_t>(x + left), static_cast<int32_t>(y + top), static_cast<int32_t>(x + right),
                static_cast<int32_t>(y + bottom)};
  const Rect onScreen = OnScreen(mWindow, to);
  return primary->Blt(&onScreen, mpSurface, &from, kBltWait, nullptr) == kResultOk ? 0 : 1;
}

void VideoDrawBuffer::FillWindowRect(WindowHandle window, DisplaySurface* primary, const Rect& rect, Rgb colour) {
  auto* shown = dynamic_cast<PrimarySurface*>(primary);
  if (!shown) return;
  const Rect picture = PictureRect(primary);
  const Rect cut{std::max(rect.left, picture.left), std::max(rect.top, picture.top), std::min(rect.right, picture.right),
                 std::min(rect.bottom, picture.bottom)};
  if (cut.right <= cut.left || cut.bottom <= cut.top) return;
  const Rect onScreen = OnScreen(window, cut);
  BltFx fx;
  fx.fillColor = NearestIndex(shown->ShownColours(), colour);
  primary->Blt(&onScreen, nullptr, nullptr, kBltWait | kBltColorFill, &fx);
}

uint16_t VideoDrawBuffer::Status() const { return IsWindow(mWindow) ? 1 : 0; }

}  // namespace platform
