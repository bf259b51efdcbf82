#pragma once

class WindowManager;

// Holds every window deletion asked of the window manager while it lives: the deletions
// wait in the manager's queue and run when the outermost bracket ends. Every toolkit
// operation that notifies an owner runs inside one, so an owner may delete the notifying
// window (or its dialog) and the control still finishes on live memory. Without a window
// manager the bracket does nothing.
class DispatchBracket {
public:
  // The bracket of theWindowManager.
  DispatchBracket();
  explicit DispatchBracket(WindowManager* manager);
  ~DispatchBracket();
  DispatchBracket(const DispatchBracket&) = delete;
  DispatchBracket& operator=(const DispatchBracket&) = delete;

private:
  WindowManager* mpManager;
};
