#include "Drovane/Comander.h"

#include "Drovane/WinWindow.h"

WinWindow* CommandTarget::SetWindow(WinWindow* window) {
  if (window == mpWindow) return nullptr;
  WinWindow* previous = mpWindow;
  mpWindow = window;
  return previous;
}

int32_t Comander::Activate() {
  if (!mpWindow) return 0;  // activation reaches only a bound receiver
  return static_cast<int32_t>(mpWindow->SetCursorResource(0));
}
