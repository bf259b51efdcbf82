#pragma once
#include <cstdint>

class GraphicWindow;

// Codes a window reports to its notify target: a whole window (dialog, option window,
// message box) says OK or Cancel with value 0; a control says that its value or state
// changed, with a value of its own (a push button 0, a check box or radio button the
// address of its state, a radio group the button it turned on).
constexpr int32_t kWindowOk = 1001;
constexpr int32_t kWindowCancel = 1002;
constexpr int32_t kControlChanged = 0x10001;

// Whatever receives window commands: every window, and the application through a second
// base. The sender is the reporting window and its id; the value may carry a pointer.
class CommandReceiver {
public:
  virtual int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) = 0;

protected:
  ~CommandReceiver() = default;
};
