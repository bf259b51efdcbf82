#include "screens/MessageBoxButtons.h"

#include <cstddef>

namespace {
constexpr size_t kMaxShownButtons = 2;
constexpr uint32_t kFirstNegativeButton = 0x10000;
}  // namespace

// Bits that name no button are passed over, so a set of none of the six shows OK.
std::vector<uint32_t> ShownButtons(uint32_t buttons) {
  std::vector<uint32_t> shown;
  for (uint32_t bit = 1; bit != 0 && shown.size() < kMaxShownButtons; bit <<= 1) {
    if ((buttons & bit) && ButtonCaptionId(bit) != 0) shown.push_back(bit);
  }
  if (shown.empty()) shown.push_back(kBoxOk);
  return shown;
}

// Escape once answered the set's high or low half as a whole, a code no button has when
// two buttons share a half (Yes, No and Abort gave 0x60000; OK and Yes gave 3).
uint32_t EscapeAnswer(uint32_t buttons) {
  const std::vector<uint32_t> shown = ShownButtons(buttons);
  for (uint32_t button : shown) {
    if (button >= kFirstNegativeButton) return button;
  }
  return shown.front();
}

int32_t ButtonCaptionId(uint32_t button) {
  switch (button) {
    case kBoxOk: return 20;
    case kBoxCancel: return 21;
    case kBoxYes: return 22;
    case kBoxNo: return 23;
    case kBoxRetry: return 24;
    case kBoxAbort: return 25;
    default: return 0;
  }
}
