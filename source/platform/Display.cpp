#include "platform/Display.h"

#include <SDL.h>

#include <cstdio>

namespace platform {
namespace {

enum class VideoState { Untried, Available, Unavailable };
VideoState gVideoState = VideoState::Untried;

// What a headless run reports: the size of SDL's own headless display.
constexpr DesktopMode kHeadlessDesktop{1024, 768, 8};

}  // namespace

bool InitializeVideo() {
  if (gVideoState != VideoState::Untried) return gVideoState == VideoState::Available;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "No video device (%s): running without a window.\n", SDL_GetError());
    gVideoState = VideoState::Unavailable;
    return false;
  }
  gVideoState = VideoState::Available;
  return true;
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
