#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>

#include "platform/Desktop.h"
#include "platform/MainThreadCalls.h"

namespace platform {
namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

const char* ButtonLabel(int answer) {
  switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
  }
  return "?";
}

uint32_t DialogKind(uint32_t flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
  }
}

// Returns the answer, or 0 when no dialog could be shown.
int ShowDialog(const std::string& text, const std::string& caption, uint32_t flags) {
  std::vector<int> answers = MessageBoxButtons(flags);
  std::vector<SDL_MessageBoxButtonData> buttons;
  for (int answer : answers) {
    uint32_t buttonFlags = 0;
    if (answer == answers.front()) buttonFlags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (answer == IDCANCEL || (answers.size() == 1)) buttonFlags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    buttons.push_back({buttonFlags, answer, ButtonLabel(answer)});
  }
  SDL_MessageBoxData data{};
  data.flags = DialogKind(flags);
  data.title = caption.c_str();
  data.message = text.c_str();
  data.numbuttons = static_cast<int>(buttons.size());
  data.buttons = buttons.data();
  int pressed = 0;
  if (SDL_ShowMessageBox(&data, &pressed) != 0 || pressed <= 0) return 0;
  return pressed;
}

}  // namespace

std::vector<int> MessageBoxButtons(uint32_t flags) {
  switch (flags & MB_BUTTONSMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
  }
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

int ShowMessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  if (!OnMainThread()) {
    int answer = 0;
    RunOnMainThread([&] { answer = ShowMessageBox(text, caption, flags); });
    return answer;
  }
  if (Handler()) return Handler()(text, caption, flags);
  if (HasDesktopDisplay()) {
    if (int answer = ShowDialog(text, caption, flags)) return answer;
  }
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  return MessageBoxButtons(flags).front();
}

}  // namespace platform
