#include "platform/SdlEventTranslator.h"

#include <algorithm>

#include "platform/KeyToggles.h"
#include "platform/PictureMapping.h"
#include "platform/VirtualKeys.h"
#include "platform/Windows1252.h"

namespace platform {
namespace {

// Keys that are the same on every layout, by their position on the keyboard.
uint8_t FixedKey(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
    return static_cast<uint8_t>(VK_F1 + (scancode - SDL_SCANCODE_F1));
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return static_cast<uint8_t>('1' + (scancode - SDL_SCANCODE_1));
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    return static_cast<uint8_t>(VK_NUMPAD0 + 1 + (scancode - SDL_SCANCODE_KP_1));
  switch (scancode) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_KP_0: return VK_NUMPAD0;
    case SDL_SCANCODE_BACKSPACE: return VK_BACK;
    case SDL_SCANCODE_TAB: return VK_TAB;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return VK_SHIFT;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return VK_CONTROL;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return VK_MENU;
    case SDL_SCANCODE_PAUSE: return VK_PAUSE;
    case SDL_SCANCODE_CAPSLOCK: return VK_CAPITAL;
    case SDL_SCANCODE_ESCAPE: return VK_ESCAPE;
    case SDL_SCANCODE_SPACE: return VK_SPACE;
    case SDL_SCANCODE_PAGEUP: return VK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN: return VK_NEXT;
    case SDL_SCANCODE_END: return VK_END;
    case SDL_SCANCODE_HOME: return VK_HOME;
    case SDL_SCANCODE_LEFT: return VK_LEFT;
    case SDL_SCANCODE_UP: return VK_UP;
    case SDL_SCANCODE_RIGHT: return VK_RIGHT;
    case SDL_SCANCODE_DOWN: return VK_DOWN;
    case SDL_SCANCODE_PRINTSCREEN: return VK_SNAPSHOT;
    case SDL_SCANCODE_INSERT: return VK_INSERT;
    case SDL_SCANCODE_DELETE: return VK_DELETE;
    case SDL_SCANCODE_LGUI: return VK_LWIN;
    case SDL_SCANCODE_RGUI: return VK_RWIN;
    case SDL_SCANCODE_APPLICATION: return VK_APPS;
    case SDL_SCANCODE_KP_MULTIPLY: return VK_MULTIPLY;
    case SDL_SCANCODE_KP_PLUS: return VK_ADD;
    case SDL_SCANCODE_KP_MINUS: return VK_SUBTRACT;
    case SDL_SCANCODE_KP_PERIOD: return VK_DECIMAL;
    case SDL_SCANCODE_KP_DIVIDE: return VK_DIVIDE;
    case SDL_SCANCODE_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDL_SCANCODE_SCROLLLOCK: return VK_SCROLL;
    default: return 0;
  }
}

// The punctuation keys by the character they type unshifted on the US layout.
uint8_t PunctuationKey(SDL_Keycode keycode) {
  switch (keycode) {
    case SDLK_BACKQUOTE: return VK_OEM_3;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_LEFTBRACKET: return VK_OEM_4;
    case SDLK_RIGHTBRACKET: return VK_OEM_6;
    case SDLK_BACKSLASH: return VK_OEM_5;
    case SDLK_SEMICOLON: return VK_OEM_1;
    case SDLK_QUOTE: return VK_OEM_7;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    case SDLK_SLASH: return VK_OEM_2;
    default: return 0;
  }
}

// The same keys by their position, for layouts whose keys type other characters there.
SDL_Keycode UsLayoutKeycode(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_GRAVE: return SDLK_BACKQUOTE;
    case SDL_SCANCODE_MINUS: return SDLK_MINUS;
    case SDL_SCANCODE_EQUALS: return SDLK_EQUALS;
    case SDL_SCANCODE_LEFTBRACKET: return SDLK_LEFTBRACKET;
    case SDL_SCANCODE_RIGHTBRACKET: return SDLK_RIGHTBRACKET;
    case SDL_SCANCODE_BACKSLASH: return SDLK_BACKSLASH;
    case SDL_SCANCODE_SEMICOLON: return SDLK_SEMICOLON;
    case SDL_SCANCODE_APOSTROPHE: return SDLK_QUOTE;
    case SDL_SCANCODE_COMMA: return SDLK_COMMA;
    case SDL_SCANCODE_PERIOD: return SDLK_PERIOD;
    case SDL_SCANCODE_SLASH: return SDLK_SLASH;
    default: return SDLK_UNKNOWN;
  }
}

// The control character a key types by itself, or 0.
uint8_t ControlCharacter(uint8_t virtualKey) {
  switch (virtualKey) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: return virtualKey;
    default: return 0;
  }
}

// Message coordinates are 16-bit words.
intptr_t PositionLParam(Point point) {
  auto clamp = [](int32_t value) { return std::clamp(value, -32768, 32767); };
  return MakeLParam(clamp(point.x), clamp(point.y));
}

Point PicturePoint(int32_t x, int32_t y, const TranslationTarget& target) {
  return WindowToPicture({x, y}, target.pixels, target.picture);
}

void Add(std::vector<Message>& messages, const TranslationTarget& target, uint32_t message,
         uintptr_t wParam, intptr_t lParam) {
  messages.push_back({target.window, message, wParam, lParam});
}

}  // namespace

uint8_t VirtualKeyFromSdl(SDL_Keycode keycode, SDL_Scancode scancode) {
  if (uint8_t key = FixedKey(scancode)) return key;
  if (keycode >= SDLK_a && keycode <= SDLK_z) return static_cast<uint8_t>('A' + (keycode - SDLK_a));
  if (uint8_t key = PunctuationKey(keycode)) return key;
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return static_cast<uint8_t>('A' + (scancode - SDL_SCANCODE_A));
  return PunctuationKey(UsLayoutKeycode(scancode));
}

void SdlEventTranslator::Translate(const SDL_Event& event, const TranslationTarget& target,
                                   std::vector<Message>& messages) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: TranslateKey(event.key, target, messages); break;
    case SDL_TEXTINPUT: TranslateText(event.text, target, messages); break;
    case SDL_MOUSEMOTION:
      Add(messages, target, WM_MOUSEMOVE, 0, PositionLParam(PicturePoint(event.motion.x, event.motion.y, target)));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      bool down = event.type == SDL_MOUSEBUTTONDOWN;
      uint32_t message;
      if (event.button.button == SDL_BUTTON_LEFT) {
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      } else if (event.button.button == SDL_BUTTON_RIGHT) {
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      } else {
        break;
      }
      Add(messages, target, message, 0, PositionLParam(PicturePoint(event.button.x, event.button.y, target)));
      break;
    }
    case SDL_WINDOWEVENT: TranslateWindowEvent(event.window, target, messages); break;
    default: break;
  }
}

void SdlEventTranslator::TranslateKey(const SDL_KeyboardEvent& key, const TranslationTarget& target,
                                      std::vector<Message>& messages) {
  uint16_t modifiers = key.keysym.mod;
  SetLockKeyOn(VK_CAPITAL, modifiers & KMOD_CAPS);
  SetLockKeyOn(VK_NUMLOCK, modifiers & KMOD_NUM);
  SetLockKeyOn(VK_SCROLL, modifiers & KMOD_SCROLL);
  mLeftAltHeld = modifiers & KMOD_LALT;

  uint8_t virtualKey = VirtualKeyFromSdl(key.keysym.sym, key.keysym.scancode);
  if (virtualKey == 0) return;
  bool down = key.type == SDL_KEYDOWN;
  bool altHeld = modifiers & KMOD_ALT;
  bool system = altHeld || virtualKey == VK_F10 || virtualKey == VK_MENU;
  intptr_t lParam = 1;
  if (altHeld) lParam |= kKeyAltHeld;
  if (!down) lParam |= kKeyWasDown | kKeyReleased;
  if (down && key.repeat) lParam |= kKeyWasDown;

  uint32_t message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  Add(messages, target, message, virtualKey, lParam);
  if (!down || system) return;
  if (uint8_t character = ControlCharacter(virtualKey)) Add(messages, target, WM_CHAR, character, lParam);
}

void SdlEventTranslator::TranslateText(const SDL_TextInputEvent& text, const TranslationTarget& target,
                                       std::vector<Message>& messages) const {
  if (mLeftAltHeld) return;
  for (char character : Utf8ToWindows1252(text.text))
    Add(messages, target, WM_CHAR, static_cast<uint8_t>(character), 1);
}

void SdlEventTranslator::TranslateWindowEvent(const SDL_WindowEvent& event, const TranslationTarget& target,
                                              std::vector<Message>& messages) const {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      Add(messages, target, WM_ACTIVATEAPP, 1, 0);
      Add(messages, target, WM_ACTIVATE, WA_ACTIVE, 0);
      Add(messages, target, WM_SETFOCUS, 0, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      Add(messages, target, WM_ACTIVATE, WA_INACTIVE, 0);
      Add(messages, target, WM_ACTIVATEAPP, 0, 0);
      break;
    case SDL_WINDOWEVENT_CLOSE: Add(messages, target, WM_CLOSE, 0, 0); break;
    case SDL_WINDOWEVENT_MOVED: Add(messages, target, WM_MOVE, 0, MakeLParam(event.data1, event.data2)); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      Add(messages, target, WM_SIZE, 0, MakeLParam(target.picture.x, target.picture.y));
      break;
    case SDL_WINDOWEVENT_EXPOSED: Add(messages, target, WM_PAINT, 0, 0); break;
    case SDL_WINDOWEVENT_ENTER:
      Add(messages, target, WM_SETCURSOR, target.window, MakeLParam(HTCLIENT, WM_MOUSEMOVE));
      break;
    default: break;
  }
}

}  // namespace platform
