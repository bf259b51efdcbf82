#include "platform/TrueTypeLibrary.h"

#include <SDL_ttf.h>

namespace platform {

bool StartTrueType() {
  static const bool started = TTF_Init() == 0;
  return started;
}

}  // namespace platform
