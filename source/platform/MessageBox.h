#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Button sets, icons and modality of a message box, as the game passes them.
enum MessageBoxFlags : uint32_t {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_BUTTONSMASK = 0xF,
  MB_ICONHAND = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONASTERISK = 0x40,
  MB_ICONMASK = 0xF0,
  MB_TASKMODAL = 0x2000,
};

// The answer: which button was pressed.
enum MessageBoxAnswer : int {
  IDOK = 1,
  IDCANCEL = 2,
  IDABORT = 3,
  IDRETRY = 4,
  IDIGNORE = 5,
  IDYES = 6,
  IDNO = 7,
};

// Shows a modal message box and returns the button pressed. With a desktop display it is a
// real dialog; with none, or when the dialog fails, the box answers with its first button
// and writes its caption and text to stderr. Asked for on another thread, the box is shown
// by the main thread when it next reads its message queue, and the asking thread waits.
int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags);

// The buttons of a set, in the order they stand in the box.
std::vector<int> MessageBoxButtons(uint32_t flags);

// Tests answer message boxes themselves; an empty handler restores the real box.
using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, uint32_t flags)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform
