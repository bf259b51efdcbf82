#pragma once
#include <cstdint>
#include <vector>

// The buttons a message box can show, by their bit in the box's button set.
enum MessageBoxButton : uint32_t {
  kBoxOk = 0x1,
  kBoxYes = 0x2,
  kBoxRetry = 0x4,
  kBoxCancel = 0x10000,
  kBoxNo = 0x20000,
  kBoxAbort = 0x40000,
};

// The buttons shown for a set: its button bits from the lowest up, at most two; a set
// without one shows OK alone.
std::vector<uint32_t> ShownButtons(uint32_t buttons);
// The answer Escape gives: the lowest shown button at or above 0x10000 (Cancel, No,
// Abort), else the lowest shown button.
uint32_t EscapeAnswer(uint32_t buttons);
// The string id of a button's caption; 0 for a bit that is no button.
int32_t ButtonCaptionId(uint32_t button);
