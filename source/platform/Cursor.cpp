#include "platform/Cursor.h"

#include <SDL.h>

#include "platform/Display.h"

namespace platform {

// A headless run still hands out a real, distinct handle.
struct CursorShape {
  SDL_Cursor* sdlCursor = nullptr;
};

namespace {
CursorHandle gCurrent = nullptr;
}

CursorHandle LoadArrowCursor() {
  static CursorShape arrow;
  if (!arrow.sdlCursor && InitializeVideo()) arrow.sdlCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  return &arrow;
}

CursorHandle SetCursor(CursorHandle cursor) {
  CursorHandle previous = gCurrent;
  gCurrent = cursor;
  if (cursor && cursor->sdlCursor) SDL_SetCursor(cursor->sdlCursor);
  return previous;
}

}  // namespace platform
