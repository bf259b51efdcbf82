#pragma once
#include <SDL.h>

#include <vector>

#include "platform/WindowMessages.h"

namespace platform {

// The window an event belongs to: its handle, the size of its picture and the size in
// pixels the picture is shown in.
struct TranslationTarget {
  WindowHandle window = kNoWindow;
  Point picture;
  Point pixels;
};

// Turns SDL's events into the game's messages: keys into key messages with virtual-key
// codes (system keys while Alt is held, and F10), text into characters in Windows-1252,
// mouse buttons and motion into mouse messages in picture coordinates, and the window's
// focus, close, move, size, exposure and the pointer entering it into their messages. It also keeps the lock-key
// state current.
class SdlEventTranslator {
public:
  void Translate(const SDL_Event& event, const TranslationTarget& target, std::vector<Message>& messages);

private:
  void TranslateKey(const SDL_KeyboardEvent& key, const TranslationTarget& target, std::vector<Message>& messages);
  void TranslateText(const SDL_TextInputEvent& text, const TranslationTarget& target,
                     std::vector<Message>& messages) const;
  void TranslateWindowEvent(const SDL_WindowEvent& event, const TranslationTarget& target,
                            std::vector<Message>& messages) const;

  // Text typed while the left Alt key is held is a system key's, not text.
  bool mLeftAltHeld = false;
};

// The virtual-key code of an SDL key; 0 for keys the game does not know.
uint8_t VirtualKeyFromSdl(SDL_Keycode keycode, SDL_Scancode scancode);

}  // namespace platform
