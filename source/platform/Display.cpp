#include "platform/Display.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

enum class VideoState { Untried, Available, Unavailable };
VideoState gVideoState = VideoState::Untried;

// What a headless run reports: the size of SDL's own headless display.
constexpr DesktopMode kHeadlessDesktop{1024, 768, 8};

bool TryVideo(bool reportFailure) {
  if (gVideoState != VideoState::Untried) return gVideoState == VideoState::Available;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  gVideoState = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0 ? VideoState::Available : VideoState::Unavailable;
  if (gVideoState == VideoState::Unavailable && reportFailure)
    std::fprintf(stderr, "No video device (%s): running without a window.\n", SDL_GetError());
  return gVideoState == VideoState::Available;
}

bool IsWindowlessDriver(const char* name) {
  return name && (std::strcmp(name, "dummy") == 0 || std::strcmp(name, "offscreen") == 0);
}

}  // namespace

bool InitializeVideo() {
  return TryVideo(true);
}

bool NoDisplayFound() {
  const char* chosen = std::getenv("SDL_VIDEODRIVER");
  if (chosen && chosen[0]) return false;
  return !TryVideo(false) || IsWindowlessDriver(SDL_GetCurrentVideoDriver());
}

void ShutdownVideo() {
  if (gVideoState == VideoState::Available) SDL_Quit();
  gVideoState = VideoState::Unavailable;
}

DesktopMode GetDesktopMode() {
  SDL_DisplayMode mode{};
  if (!InitializeVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return kHeadlessDesktop;
  return {mode.w, mode.h, 8};
}

}  // namespace platform
