#include "platform/Cursor.h"

#include <SDL.h>

#include <vector>

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

CursorHandle CreateMaskCursor(int32_t width, int32_t height, int32_t hotX, int32_t hotY, const uint8_t* xorMask,
                              const uint8_t* andMask) {
  if (width < 1 || width > 64 || height < 1 || height > 64 || !xorMask || !andMask) return nullptr;
  if (hotX < 0 || hotX >= width || hotY < 0 || hotY >= height) return nullptr;
  auto* shape = new CursorShape();
  if (!InitializeVideo()) return shape;
  // SDL wants whole bytes a row: the padding columns stay transparent. Its data bit is set
  // for black and inverted pixels, its mask bit for every pixel that is not transparent.
  const int32_t rowBytes = (width + 7) / 8;
  std::vector<uint8_t> data(static_cast<size_t>(rowBytes * height));
  std::vector<uint8_t> mask(data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] = static_cast<uint8_t>(~(andMask[i] ^ xorMask[i]));
    mask[i] = static_cast<uint8_t>(~andMask[i]);
  }
  if (width % 8 != 0) {
    const uint8_t keep = static_cast<uint8_t>(0xFF << (8 - width % 8));
    for (int32_t row = 0; row < height; ++row) {
      data[static_cast<size_t>(row * rowBytes + rowBytes - 1)] &= keep;
      mask[static_cast<size_t>(row * rowBytes + rowBytes - 1)] &= keep;
    }
  }
  shape->sdlCursor = SDL_CreateCursor(data.data(), mask.data(), rowBytes * 8, height, hotX, hotY);
  return shape;
}

void DestroyCursor(CursorHandle cursor) {
  if (!cursor) return;
  if (cursor == gCurrent) gCurrent = nullptr;
  if (cursor->sdlCursor) SDL_FreeCursor(cursor->sdlCursor);
  delete cursor;
}

CursorHandle SetCursor(CursorHandle cursor) {
  CursorHandle previous = gCurrent;
  gCurrent = cursor;
  if (cursor && cursor->sdlCursor) SDL_SetCursor(cursor->sdlCursor);
  return previous;
}

}  // namespace platform
