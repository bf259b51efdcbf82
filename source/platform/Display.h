#pragma once
#include <cstdint>

namespace platform {

// The desktop's display mode as the game sees it. The game draws 8-bit pictures that the
// window layer converts, so the desktop reports 8 bits per pixel at its real size: large
// enough for a window unless the desktop itself is no larger than the picture.
struct DesktopMode {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
};

DesktopMode GetDesktopMode();

// Brings up the video side of SDL once, with SDL's own signal handlers and its quit on the
// last window's close turned off. False when there is no video device; the window layer
// then runs headless.
bool InitializeVideo();
// True when the user chose no video driver through SDL_VIDEODRIVER and SDL found none
// that shows a window (it fell back to a window-less one, or to none): the program then
// says so plainly instead of running unseen. Brings up the video side like InitializeVideo.
bool NoDisplayFound();
// Ends SDL when the program ends; windows made after it are headless.
void ShutdownVideo();

}  // namespace platform
